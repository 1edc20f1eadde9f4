#include "core/online/AppConfigCipher.h"

#include "core/online/Blowfish.h"
#include "core/online/XxText.h"

namespace scribora::online {

QByteArray appConfigKey()
{
    return QByteArrayLiteral("pwt7nhzqr");
}

QByteArray encipherAppConfigBlocks(QByteArrayView paddedPlain)
{
    const Blowfish cipher(appConfigKey());
    return encodeXxText(cipher.encryptEcb(paddedPlain));
}

AppConfigDeciphered decipherAppConfig(QByteArrayView text)
{
    AppConfigDeciphered r;
    const XxDecoded decoded = decodeXxText(text);
    if (decoded.error) {
        r.error = QString::fromLatin1(*decoded.error == XxTextError::InvalidCharacter
                                          ? errorInvalidCharacter
                                          : errorDanglingCharacter);
        return r;
    }
    if (decoded.bytes.size() < Blowfish::blockSize) {
        r.error = QString::fromLatin1(errorTooShort);
        return r;
    }
    if (decoded.bytes.size() % Blowfish::blockSize != 0) {
        r.error = QString::fromLatin1(errorNotWholeBlocks);
        return r;
    }
    // The cipher's initialisation vector ("kqm902x") plays no part in ECB mode.
    QByteArray plain = Blowfish(appConfigKey()).decryptEcb(decoded.bytes);
    const int last = quint8(plain.back());
    plain.chop(last >= 1 && last <= 8 ? last : 1);
    r.ok = true;
    r.plain = plain;
    return r;
}

QByteArray encipherAppConfig(QByteArrayView plain)
{
    const int pad = int(Blowfish::blockSize - plain.size() % Blowfish::blockSize);
    QByteArray padded = plain.toByteArray();
    padded.append(pad, char(pad));
    return encipherAppConfigBlocks(padded);
}

} // namespace scribora::online
