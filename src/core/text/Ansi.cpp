#include "core/text/Ansi.h"

#include <array>

namespace scribora::text {
namespace {

// Unicode of the bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of a character, or -1 when the code page does not hold it.
int ansiByte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c)
            return 0x80 + i;
    return -1;
}

QChar mapCase(QChar c, bool upper)
{
    if (c.unicode() < 0x80) {
        const char16_t u = c.unicode();
        if (upper && u >= 'a' && u <= 'z')
            return QChar(u - 32);
        if (!upper && u >= 'A' && u <= 'Z')
            return QChar(u + 32);
        return c;
    }
    const QChar mapped = upper ? c.toUpper() : c.toLower();
    return ansiByte(mapped.unicode()) >= 0 ? mapped : c;
}

QString mapCase(QStringView text, bool upper)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (QChar c : text)
        *dst++ = mapCase(c, upper);
    return out;
}

} // namespace

QString fromAnsi(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *dst++ = QChar(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b));
    }
    return out;
}

QByteArray toAnsi(QStringView text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char *dst = out.data();
    for (QChar c : text) {
        const int b = ansiByte(c.unicode());
        *dst++ = b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

bool isAnsiRepresentable(QStringView text)
{
    for (QChar c : text)
        if (ansiByte(c.unicode()) < 0)
            return false;
    return true;
}

QString ansiLower(QStringView text) { return mapCase(text, false); }
QString ansiUpper(QStringView text) { return mapCase(text, true); }

int compareAnsiCaseInsensitive(QStringView a, QStringView b)
{
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = mapCase(a[i], false).unicode();
        const char16_t y = mapCase(b[i], false).unicode();
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace scribora::text
