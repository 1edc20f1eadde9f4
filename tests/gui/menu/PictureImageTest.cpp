#include "core/menu/PictureImage.h"

#include "support/TempDir.h"

#include <QColor>
#include <gtest/gtest.h>

using namespace scribora::menu;

namespace {

QImage sample()
{
    QImage img(6, 4, QImage::Format_RGB32);
    img.fill(QColor(10, 200, 30));
    img.setPixelColor(0, 0, Qt::red);
    return img;
}

} // namespace

TEST(PictureImage, StoredPicturesDecodeForDisplay)
{
    TempDir dir;
    // Qt writes no GIF; this is a 1 by 1 GIF file.
    const QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
                         "!\xf9\x04\x00\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;",
                         43);
    for (const char *format : {"JPG", "GIF", "BMP"}) {
        const bool isGif = QLatin1String(format) == QLatin1String("GIF");
        const QSize size = isGif ? QSize(1, 1) : QSize(6, 4);
        const QString path = dir.file(QStringLiteral("p.") + QString::fromLatin1(format).toLower());
        if (isGif)
            ASSERT_TRUE(TempDir::writeBytes(path, gif));
        else
            ASSERT_TRUE(sample().save(path, format)) << format;
        QString why;
        auto g = LoadPictureFile(path, &why);
        ASSERT_TRUE(g) << format << ": " << qPrintable(why);
        // A GIF file becomes a bitmap; the others keep their kind.
        EXPECT_EQ(g->className, QLatin1String(format) == QLatin1String("JPG") ? QStringLiteral("TJPEGImage")
                                                                                : QStringLiteral("TBitmap"));
        const QImage back = decodePictureData(MenuPicture::writePicture(*g));
        ASSERT_FALSE(back.isNull()) << format;
        EXPECT_EQ(back.size(), size);
        // A wallpaper takes any graphic as a bitmap.
        const QByteArray bmp = bitmapFileFor(*g);
        EXPECT_TRUE(bmp.startsWith("BM"));
        EXPECT_EQ(decodeBitmapData(MenuPicture::writeBitmap(bmp)).size(), size);
    }
    EXPECT_EQ(decodeBitmapData(MenuPicture::writeBitmap(bmpFileFromImage(sample()))).pixelColor(0, 0), QColor(Qt::red));
    const Graphic gifGraphic{QStringLiteral("TGIFImage"), gif};
    EXPECT_EQ(decodePictureData(MenuPicture::writePicture(gifGraphic)).size(), QSize(1, 1));
}

TEST(PictureImage, UnloadablePicturesGiveNone)
{
    TempDir dir;
    TempDir::writeBytes(dir.file(QStringLiteral("bad.gif")), "GIF89a-not-really");
    TempDir::writeBytes(dir.file(QStringLiteral("bad.jpg")), "\xFF\xD8garbage");
    QString why;
    EXPECT_FALSE(LoadPictureFile(QString()));
    EXPECT_FALSE(LoadPictureFile(dir.file(QStringLiteral("bad.gif")), &why));
    EXPECT_FALSE(LoadPictureFile(dir.file(QStringLiteral("bad.jpg")), &why));
    EXPECT_FALSE(LoadPictureFile(dir.file(QStringLiteral("missing.bmp")), &why));
    EXPECT_TRUE(decodePictureData("\x05TFoo1").isNull());
}
