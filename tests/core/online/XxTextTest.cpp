#include "core/online/XxText.h"

#include <gtest/gtest.h>

using namespace scribora::online;

TEST(XxText, UsesTheXxAlphabetWithBase64Packing)
{
    struct Case
    {
        QByteArray bytes;
        QByteArray text;
    };
    // "Man" is "TWFu" in Base64: values 19, 22, 5, 46, which the XX alphabet
    // writes "H", "K", "3", "i".
    const Case cases[] = {
        {"Man", "HK3i"},
        {QByteArray(3, '\0'), "++++"},
        {QByteArray(3, char(0xFF)), "zzzz"},
        {QByteArray::fromHex("04"), "-+"},    // 000001|00 0000: a group of two
        {QByteArray::fromHex("FFFF"), "zzw"}, // a group of three, 2 spare bits
        {QByteArray(), QByteArray()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.constData());
        EXPECT_EQ(encodeXxText(c.bytes), c.text);
        const XxDecoded d = decodeXxText(c.text);
        EXPECT_FALSE(d.error.has_value());
        EXPECT_EQ(d.bytes, c.bytes);
    }
}

TEST(XxText, EveryByteValueRoundTrips)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all += char(i);
    for (int cut = 0; cut < 3; ++cut) {
        const QByteArray bytes = all.left(all.size() - cut);
        const QByteArray text = encodeXxText(bytes);
        for (char c : text)
            ASSERT_TRUE(c == '+' || c == '-' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')
                        || (c >= 'a' && c <= 'z'));
        EXPECT_EQ(decodeXxText(text).bytes, bytes);
    }
}

TEST(XxText, RejectsForeignCharactersAndADanglingOne)
{
    const QByteArray bad[] = {"HK3i\r\n", "HK=i", "HK3i/", "HK 3i", QByteArray("HK\0i", 4), "HK3\xE9"};
    for (const QByteArray &text : bad) {
        const XxDecoded d = decodeXxText(text);
        EXPECT_EQ(d.error, XxTextError::InvalidCharacter) << text.toHex().constData();
        EXPECT_TRUE(d.bytes.isEmpty());
    }
    EXPECT_EQ(decodeXxText("HK3iH").error, XxTextError::DanglingCharacter);
}
