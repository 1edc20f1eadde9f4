#pragma once

// Decoding of the design's pictures for display. Header-only on purpose: the
// core library links Qt Core alone, so these functions compile only into code
// that links Qt Gui (the designer, the preview, their tests).

#include "core/menu/MenuPicture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>

#include <optional>

namespace scribora::menu {

// BMP, JPEG, GIF or icon data as an image; a null image when it cannot be decoded.
inline QImage decodeGraphic(const Graphic &graphic)
{
    if (graphic.isEmpty())
        return {};
    return QImage::fromData(graphic.data, graphic.format().constData());
}

// A picture property's or a bitmap property's stored bytes as an image.
inline QImage decodePictureData(const QByteArray &pictureData)
{
    const auto g = MenuPicture::readPicture(pictureData);
    return g ? decodeGraphic(*g) : QImage();
}

inline QImage decodeBitmapData(const QByteArray &bitmapData)
{
    const auto bmp = MenuPicture::readBitmap(bitmapData);
    return bmp ? decodeGraphic({QStringLiteral("TBitmap"), *bmp}) : QImage();
}

// An image as a .bmp file, as a bitmap property stores it.
inline QByteArray bmpFileFromImage(const QImage &image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "BMP"))
        return {};
    return out;
}

// A graphic as the .bmp file a Wallpaper or Skin holds: a bitmap as it is, any
// other graphic decoded and written as a bitmap. Empty when it cannot be decoded.
inline QByteArray bitmapFileFor(const Graphic &graphic)
{
    if (graphic.className == QLatin1String("TBitmap"))
        return graphic.data;
    return bmpFileFromImage(decodeGraphic(graphic));
}

// The property panel's picture loading: an empty path gives no picture; a
// ".gif" file (that exact extension) is decoded and taken as a bitmap; any other
// file is taken by its extension. Empty, with a reason, when the file cannot be
// loaded; the caller then shows "Unable to Load Image".
inline std::optional<Graphic> LoadPictureFile(const QString &path, QString *reason = nullptr)
{
    if (path.isEmpty())
        return std::nullopt;
    if (QFileInfo(path).suffix() == QLatin1String("gif")) {
        QImage image(path, "GIF");
        QByteArray bmp = bmpFileFromImage(image);
        if (bmp.isEmpty()) {
            if (reason)
                *reason = QStringLiteral("%1: not a readable GIF picture").arg(path);
            return std::nullopt;
        }
        return Graphic{QStringLiteral("TBitmap"), bmp};
    }
    auto g = MenuPicture::graphicFromFile(path, reason);
    if (!g)
        return std::nullopt;
    if (decodeGraphic(*g).isNull()) {
        if (reason)
            *reason = QStringLiteral("%1: the picture cannot be decoded").arg(path);
        return std::nullopt;
    }
    return g;
}

} // namespace scribora::menu
