#include "core/menu/MenuPicture.h"
#include "core/menu/TreeNodes.h"

#include "support/TempDir.h"

#include <QtEndian>
#include <gtest/gtest.h>

using namespace scribora::menu;

namespace {

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

} // namespace

TEST(MenuPicture, PicturesUseTheClassLibrarysLayout)
{
    const QByteArray bmp = "BM" + QByteArray(40, '\1');
    const QByteArray jpg = "\xFF\xD8\xFF\xE0" + QByteArray(20, '\2');
    const QByteArray gif = "GIF89a" + QByteArray(10, '\3');
    const QByteArray ico = QByteArray("\0\0\1\0", 4) + QByteArray(10, '\4');
    const struct
    {
        Graphic graphic;
        QByteArray stored;
    } cases[] = {
        {{QStringLiteral("TBitmap"), bmp}, "\x07TBitmap" + le32(42) + bmp},
        {{QStringLiteral("TJPEGImage"), jpg}, "\x0ATJPEGImage" + le32(24) + jpg},
        {{QStringLiteral("TGIFImage"), gif}, "\x09TGIFImage" + gif},
        {{QStringLiteral("TIcon"), ico}, "\x05TIcon" + ico},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(MenuPicture::writePicture(c.graphic), c.stored) << qPrintable(c.graphic.className);
        auto back = MenuPicture::readPicture(c.stored);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->className, c.graphic.className);
        EXPECT_EQ(back->data, c.graphic.data);
        auto sniffed = MenuPicture::graphicFromBytes(c.graphic.data);
        ASSERT_TRUE(sniffed);
        EXPECT_EQ(sniffed->className, c.graphic.className);
    }
    // Some writers put a size before the GIF file.
    auto sized = MenuPicture::readPicture("\x09TGIFImage" + le32(16) + gif);
    ASSERT_TRUE(sized);
    EXPECT_EQ(sized->data, gif);

    EXPECT_EQ(MenuPicture::writeBitmap(bmp), le32(42) + bmp);
    EXPECT_EQ(MenuPicture::readBitmap(le32(42) + bmp), bmp);
    EXPECT_EQ(MenuPicture::readBitmap({}), QByteArray());
    EXPECT_TRUE(MenuPicture::writeBitmap({}).isEmpty());
}

TEST(MenuPicture, DamagedPictureDataIsRefused)
{
    const QByteArray cases[] = {
        "\x07TBitmap" + le32(100) + "BM",   // shorter than its size
        "\x07TBitm",                        // class name cut
        "\x05TFoo1" + le32(0),              // unknown graphic class
        QByteArray("\0", 1),                // empty class name
    };
    for (const QByteArray &c : cases) {
        QString why;
        EXPECT_FALSE(MenuPicture::readPicture(c, &why)) << c.toHex().constData();
        EXPECT_FALSE(why.isEmpty());
    }
    EXPECT_FALSE(MenuPicture::readBitmap(le32(0xFFFFFFFF) + "BM"));
    EXPECT_FALSE(MenuPicture::readBitmap("BM"));
}

TEST(MenuPicture, PictureFilesAreTakenByExtensionAndContent)
{
    TempDir dir;
    TempDir::writeBytes(dir.file(QStringLiteral("a.JPG")), "\xFF\xD8\xFF\xE0xx");
    TempDir::writeBytes(dir.file(QStringLiteral("b.bmp")), "\xFF\xD8\xFF\xE0xx");
    TempDir::writeBytes(dir.file(QStringLiteral("c.png")), "\x89PNG");
    auto jpg = MenuPicture::graphicFromFile(dir.file(QStringLiteral("a.JPG")));
    ASSERT_TRUE(jpg);
    EXPECT_EQ(jpg->className, QStringLiteral("TJPEGImage"));
    QString why;
    EXPECT_FALSE(MenuPicture::graphicFromFile(dir.file(QStringLiteral("b.bmp")), &why));
    EXPECT_TRUE(why.contains(QLatin1String("does not match")));
    EXPECT_FALSE(MenuPicture::graphicFromFile(dir.file(QStringLiteral("c.png")), &why));
    EXPECT_FALSE(MenuPicture::graphicFromFile(dir.file(QStringLiteral("none.gif")), &why));
}

TEST(TreeNodes, NodesRoundTripInTheItemDataLayout)
{
    std::vector<TreeNode> nodes = TreeNodes::sampleNodes();
    nodes.push_back(TreeNode{QStringLiteral("Caf") + QChar(233), 1, 2, -1, 5, {}});
    const QByteArray data = TreeNodes::write(nodes);
    // Count, then the first node: size 25 + 18, indexes 0 0 -1 -1, data 0, two children, text.
    EXPECT_EQ(data.left(4), le32(2));
    EXPECT_EQ(data.mid(4, 28), le32(43) + le32(0) + le32(0) + le32(-1) + le32(-1) + le32(0) + le32(2));
    EXPECT_EQ(data.mid(32, 19), "\x12" "Category File List");
    auto back = TreeNodes::read(data);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, nodes);
    EXPECT_TRUE(TreeNodes::write({}).isEmpty());

    QString why;
    EXPECT_FALSE(TreeNodes::read(data.left(data.size() - 1), &why));
    EXPECT_FALSE(TreeNodes::read(data + "x", &why));
    QByteArray badSize = data;
    badSize[4] = 44;
    EXPECT_FALSE(TreeNodes::read(badSize, &why));
    EXPECT_FALSE(TreeNodes::read(le32(0x7FFFFFFF) + QByteArray(30, '\0'), &why)) << "a huge count allocates nothing";
}
