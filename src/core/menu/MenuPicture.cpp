#include "core/menu/MenuPicture.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace scribora::menu {
namespace {

void setReason(QString *reason, const QString &text)
{
    if (reason)
        *reason = text;
}

QByteArray sizePrefixed(const QByteArray &file)
{
    QByteArray out(4, '\0');
    qToLittleEndian<quint32>(quint32(file.size()), out.data());
    return out + file;
}

// A 4-byte size at pos and that many bytes after it.
std::optional<QByteArray> readSized(const QByteArray &data, qsizetype pos, QString *reason)
{
    if (data.size() - pos < 4) {
        setReason(reason, QStringLiteral("picture data is too short"));
        return std::nullopt;
    }
    const quint32 size = qFromLittleEndian<quint32>(data.constData() + pos);
    if (quint64(size) > quint64(data.size() - pos - 4)) {
        setReason(reason, QStringLiteral("picture data is shorter than its size field"));
        return std::nullopt;
    }
    return data.mid(pos + 4, size);
}

bool startsWith(const QByteArray &b, const char *magic, int n)
{
    return b.size() >= n && memcmp(b.constData(), magic, size_t(n)) == 0;
}

} // namespace

QByteArray Graphic::format() const
{
    if (className == QLatin1String("TJPEGImage"))
        return "JPG";
    if (className == QLatin1String("TGIFImage"))
        return "GIF";
    if (className == QLatin1String("TIcon"))
        return "ICO";
    return "BMP";
}

std::optional<Graphic> MenuPicture::readPicture(const QByteArray &data, QString *reason)
{
    if (data.isEmpty())
        return Graphic{};
    const int nameLength = static_cast<unsigned char>(data[0]);
    if (nameLength == 0 || data.size() < 1 + nameLength) {
        setReason(reason, QStringLiteral("picture data without a graphic class name"));
        return std::nullopt;
    }
    Graphic g;
    g.className = QString::fromLatin1(data.constData() + 1, nameLength);
    const qsizetype pos = 1 + nameLength;
    if (g.className == QLatin1String("TBitmap") || g.className == QLatin1String("TJPEGImage")) {
        auto file = readSized(data, pos, reason);
        if (!file)
            return std::nullopt;
        g.data = *file;
    } else if (g.className == QLatin1String("TGIFImage")) {
        QByteArray rest = data.mid(pos);
        if (!rest.startsWith("GIF")) {
            auto file = readSized(data, pos, reason);
            if (!file)
                return std::nullopt;
            rest = *file;
        }
        g.data = rest;
    } else if (g.className == QLatin1String("TIcon")) {
        g.data = data.mid(pos);
    } else {
        setReason(reason, QStringLiteral("unknown graphic class %1").arg(g.className));
        return std::nullopt;
    }
    return g;
}

QByteArray MenuPicture::writePicture(const Graphic &graphic)
{
    if (graphic.isEmpty())
        return {};
    const QByteArray name = graphic.className.toLatin1();
    QByteArray out;
    out.append(char(name.size()));
    out.append(name);
    if (graphic.className == QLatin1String("TGIFImage") || graphic.className == QLatin1String("TIcon"))
        out.append(graphic.data);
    else
        out.append(sizePrefixed(graphic.data));
    return out;
}

std::optional<QByteArray> MenuPicture::readBitmap(const QByteArray &data, QString *reason)
{
    if (data.isEmpty())
        return QByteArray();
    return readSized(data, 0, reason);
}

QByteArray MenuPicture::writeBitmap(const QByteArray &bmpFile)
{
    if (bmpFile.isEmpty())
        return {};
    return sizePrefixed(bmpFile);
}

std::optional<Graphic> MenuPicture::graphicFromBytes(const QByteArray &bytes, QString *reason)
{
    if (startsWith(bytes, "BM", 2))
        return Graphic{QStringLiteral("TBitmap"), bytes};
    if (startsWith(bytes, "\xFF\xD8", 2))
        return Graphic{QStringLiteral("TJPEGImage"), bytes};
    if (startsWith(bytes, "GIF8", 4))
        return Graphic{QStringLiteral("TGIFImage"), bytes};
    if (startsWith(bytes, "\0\0\1\0", 4))
        return Graphic{QStringLiteral("TIcon"), bytes};
    setReason(reason, QStringLiteral("not a BMP, JPEG, GIF or icon file"));
    return std::nullopt;
}

std::optional<Graphic> MenuPicture::graphicFromFile(const QString &path, QString *reason)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    static const QStringList known = {QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                      QStringLiteral("gif"), QStringLiteral("ico")};
    if (!known.contains(suffix)) {
        setReason(reason, QStringLiteral("unknown picture file extension '.%1'").arg(suffix));
        return std::nullopt;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        setReason(reason, f.errorString());
        return std::nullopt;
    }
    auto g = graphicFromBytes(f.readAll(), reason);
    if (!g)
        return std::nullopt;
    const bool matches = (suffix == QLatin1String("bmp") && g->className == QLatin1String("TBitmap"))
        || ((suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) && g->className == QLatin1String("TJPEGImage"))
        || (suffix == QLatin1String("gif") && g->className == QLatin1String("TGIFImage"))
        || (suffix == QLatin1String("ico") && g->className == QLatin1String("TIcon"));
    if (!matches) {
        setReason(reason, QStringLiteral("the file's content does not match its extension '.%1'").arg(suffix));
        return std::nullopt;
    }
    return g;
}

} // namespace scribora::menu
