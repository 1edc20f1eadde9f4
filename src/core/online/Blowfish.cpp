#include "core/online/Blowfish.h"

#include <nettle/blowfish.h>

namespace scribora::online {

struct Blowfish::Schedule
{
    blowfish_ctx ctx;
};

namespace {

// A plain memset may be dropped by the optimiser because the memory dies right after.
void wipe(void *p, size_t n)
{
    volatile unsigned char *b = static_cast<volatile unsigned char *>(p);
    while (n--)
        *b++ = 0;
}

} // namespace

Blowfish::Blowfish(QByteArrayView key)
    : m_schedule(std::make_unique<Schedule>())
{
    if (key.size() < BLOWFISH_MIN_KEY_SIZE || key.size() > BLOWFISH_MAX_KEY_SIZE)
        return;
    // The result only flags keys with duplicate S-box entries; the schedule is
    // complete either way and the cipher stays the standard one.
    blowfish_set_key(&m_schedule->ctx, size_t(key.size()),
                     reinterpret_cast<const uint8_t *>(key.data()));
    m_valid = true;
}

Blowfish::~Blowfish()
{
    wipe(&m_schedule->ctx, sizeof m_schedule->ctx);
}

QByteArray Blowfish::encryptEcb(QByteArrayView plain) const
{
    if (!m_valid || plain.size() % blockSize != 0)
        return {};
    QByteArray out(plain.size(), Qt::Uninitialized);
    blowfish_encrypt(&m_schedule->ctx, size_t(plain.size()), reinterpret_cast<uint8_t *>(out.data()),
                     reinterpret_cast<const uint8_t *>(plain.data()));
    return out;
}

QByteArray Blowfish::decryptEcb(QByteArrayView cipher) const
{
    if (!m_valid || cipher.size() % blockSize != 0)
        return {};
    QByteArray out(cipher.size(), Qt::Uninitialized);
    blowfish_decrypt(&m_schedule->ctx, size_t(cipher.size()), reinterpret_cast<uint8_t *>(out.data()),
                     reinterpret_cast<const uint8_t *>(cipher.data()));
    return out;
}

} // namespace scribora::online
