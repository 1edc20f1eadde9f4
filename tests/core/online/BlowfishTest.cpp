#include "core/online/Blowfish.h"

#include <gtest/gtest.h>

using scribora::online::Blowfish;

namespace {

struct Vector
{
    const char *key;
    const char *plain;
    const char *cipher;
};

// Published Blowfish test vectors (the reference set for 8-byte keys and the
// variable-length key set, which includes keys of 9 and more bytes like ours).
const Vector vectors[] = {
    {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
    {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
    {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
    {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
    {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
    {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
    {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
    {"F0E1D2C3B4A59687", "FEDCBA9876543210", "E87A244E2CC85E82"},
    {"F0E1D2C3B4A5968778", "FEDCBA9876543210", "15750E7A4F4EC577"},
    {"F0E1D2C3B4A596877869", "FEDCBA9876543210", "122BA70B3AB64AE0"},
    {"F0E1D2C3B4A5968778695A4B3C2D1E0F0011223344556677", "FEDCBA9876543210", "05044B62FA52D080"},
};

} // namespace

TEST(Blowfish, PublishedVectorsBothWays)
{
    for (const Vector &v : vectors) {
        SCOPED_TRACE(v.key);
        const Blowfish cipher(QByteArray::fromHex(v.key));
        ASSERT_TRUE(cipher.isValid());
        const QByteArray plain = QByteArray::fromHex(v.plain);
        const QByteArray expected = QByteArray::fromHex(v.cipher);
        EXPECT_EQ(cipher.encryptEcb(plain).toHex().toUpper(), expected.toHex().toUpper());
        EXPECT_EQ(cipher.decryptEcb(expected), plain);
    }
}

TEST(Blowfish, EcbEnciphersEveryBlockAlone)
{
    const Blowfish cipher(QByteArray::fromHex("FEDCBA9876543210"));
    const QByteArray block = QByteArray::fromHex("0123456789ABCDEF");
    const QByteArray one = cipher.encryptEcb(block);
    EXPECT_EQ(cipher.encryptEcb(block + block + block), one + one + one);
}

TEST(Blowfish, RefusesPartialBlocksAndBadKeyLengths)
{
    const Blowfish cipher(QByteArrayLiteral("pwt7nhzqr"));
    EXPECT_TRUE(cipher.encryptEcb(QByteArrayLiteral("1234567")).isEmpty());
    EXPECT_TRUE(cipher.decryptEcb(QByteArrayLiteral("123456789")).isEmpty());
    EXPECT_FALSE(Blowfish(QByteArrayLiteral("short")).isValid());
    EXPECT_FALSE(Blowfish(QByteArray(57, 'k')).isValid());
    EXPECT_TRUE(Blowfish(QByteArrayLiteral("short")).encryptEcb(QByteArray(8, 'x')).isEmpty());
}
