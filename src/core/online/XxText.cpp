#include "core/online/XxText.h"

#include <array>

namespace scribora::online {

namespace {

constexpr char alphabet[] = "+-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
static_assert(sizeof alphabet == 65);

constexpr std::array<int, 256> makeValues()
{
    std::array<int, 256> v{};
    for (int &x : v)
        x = -1;
    for (int i = 0; i < 64; ++i)
        v[static_cast<unsigned char>(alphabet[i])] = i;
    return v;
}

constexpr std::array<int, 256> values = makeValues();

} // namespace

QByteArray encodeXxText(QByteArrayView bytes)
{
    QByteArray out;
    out.reserve((bytes.size() * 4 + 2) / 3);
    qsizetype i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const quint32 n = quint32(quint8(bytes[i])) << 16 | quint32(quint8(bytes[i + 1])) << 8
                          | quint8(bytes[i + 2]);
        out += alphabet[n >> 18 & 63];
        out += alphabet[n >> 12 & 63];
        out += alphabet[n >> 6 & 63];
        out += alphabet[n & 63];
    }
    const qsizetype rest = bytes.size() - i;
    if (rest == 1) {
        const quint32 n = quint32(quint8(bytes[i])) << 16;
        out += alphabet[n >> 18 & 63];
        out += alphabet[n >> 12 & 63];
    } else if (rest == 2) {
        const quint32 n = quint32(quint8(bytes[i])) << 16 | quint32(quint8(bytes[i + 1])) << 8;
        out += alphabet[n >> 18 & 63];
        out += alphabet[n >> 12 & 63];
        out += alphabet[n >> 6 & 63];
    }
    return out;
}

XxDecoded decodeXxText(QByteArrayView text)
{
    XxDecoded r;
    r.bytes.reserve(text.size() * 3 / 4);
    quint32 acc = 0;
    int bits = 0;
    for (const char c : text) {
        const int v = values[static_cast<unsigned char>(c)];
        if (v < 0) {
            r.bytes.clear();
            r.error = XxTextError::InvalidCharacter;
            return r;
        }
        acc = (acc << 6 | quint32(v)) & 0xFFFFFF;
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            r.bytes += char(acc >> bits & 0xFF);
        }
    }
    // Two leftover characters leave 4 spare bits, three leave 2; one leaves 6,
    // which is no byte at all.
    if (text.size() % 4 == 1) {
        r.bytes.clear();
        r.error = XxTextError::DanglingCharacter;
    }
    return r;
}

} // namespace scribora::online
