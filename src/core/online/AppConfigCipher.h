#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace scribora::online {

// The enciphered form of the application configuration file: the plain text is
// padded, enciphered with Blowfish in ECB mode under the program's fixed key and
// written in the XXencode alphabet.
struct AppConfigDeciphered
{
    bool ok = false;
    QByteArray plain;
    QString error; // the failure text when !ok
};

// Deciphers the file's bytes. The deciphered last byte n, when 1 to 8, tells how
// many bytes at the end are padding; any other last byte counts as one byte.
AppConfigDeciphered decipherAppConfig(QByteArrayView text);

// The inverse for our own tool: pads with n bytes of value n (1 to 8, a whole
// block of 8 when the text already fills its last block), so that the decipher
// above gives back exactly plain.
QByteArray encipherAppConfig(QByteArrayView plain);

// The building blocks, for tests that need ciphertext the tool would never make.
QByteArray appConfigKey();
QByteArray encipherAppConfigBlocks(QByteArrayView paddedPlain);

inline constexpr char errorInvalidCharacter[] =
    "Blowfish: Error converting from Base64 - invalid character";
inline constexpr char errorTooShort[] = "Blowfish: Input not valid - too short";
inline constexpr char errorDanglingCharacter[] =
    "Blowfish: Error converting from Base64 - incomplete last character group";
inline constexpr char errorNotWholeBlocks[] =
    "Blowfish: Input not valid - length is not a multiple of 8";

} // namespace scribora::online
