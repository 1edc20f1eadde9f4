#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace scribora::menu {

// A graphic as the class library streams it: its class name and its own file
// data (a whole .bmp, .jpg, .gif or .ico file).
struct Graphic
{
    QString className; // TBitmap, TJPEGImage, TGIFImage, TIcon
    QByteArray data;   // the file's bytes

    bool isEmpty() const { return data.isEmpty(); }
    // The image format name for decoders: "BMP", "JPG", "GIF", "ICO".
    QByteArray format() const;
};

// The binary layouts of pictures inside the menu configuration file.
// A picture property (an image's Picture.Data): a length byte and the graphic's
// class name, then TBitmap / TJPEGImage: a 4-byte little-endian size and the
// file; TGIFImage and TIcon: the file directly.
// A bitmap property (Wallpaper.Data, Skin.Data): a 4-byte size and the .bmp file.
class MenuPicture
{
public:
    // Empty data is an empty picture.
    static std::optional<Graphic> readPicture(const QByteArray &data, QString *reason = nullptr);
    static QByteArray writePicture(const Graphic &graphic);

    // The .bmp file of a bitmap property; empty for an empty bitmap.
    static std::optional<QByteArray> readBitmap(const QByteArray &data, QString *reason = nullptr);
    static QByteArray writeBitmap(const QByteArray &bmpFile);

    // The graphic a picture file holds, by its extension (any letter case) and
    // checked against its first bytes: .bmp, .jpg/.jpeg, .gif, .ico. Empty with a
    // reason when the file is of another kind.
    static std::optional<Graphic> graphicFromFile(const QString &path, QString *reason = nullptr);
    static std::optional<Graphic> graphicFromBytes(const QByteArray &bytes, QString *reason = nullptr);
};

} // namespace scribora::menu
