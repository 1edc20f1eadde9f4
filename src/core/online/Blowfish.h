#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <memory>

namespace scribora::online {

// The standard 16-round Blowfish cipher (64-bit blocks, big-endian halves) in ECB
// mode. The key schedule is wiped when the object goes away.
class Blowfish
{
public:
    // Keys of 8 to 56 bytes; a key outside that range leaves the cipher invalid.
    explicit Blowfish(QByteArrayView key);
    ~Blowfish();
    Blowfish(const Blowfish &) = delete;
    Blowfish &operator=(const Blowfish &) = delete;

    bool isValid() const { return m_valid; }

    static constexpr qsizetype blockSize = 8;

    // Data whose length is not a whole number of blocks, or an invalid cipher,
    // yields an empty result.
    QByteArray encryptEcb(QByteArrayView plain) const;
    QByteArray decryptEcb(QByteArrayView cipher) const;

private:
    struct Schedule;
    std::unique_ptr<Schedule> m_schedule;
    bool m_valid = false;
};

} // namespace scribora::online
