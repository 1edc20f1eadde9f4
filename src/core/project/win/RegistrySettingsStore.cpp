#include "core/project/win/RegistrySettingsStore.h"

#include <windows.h>

#include <cstring>

#include <vector>

namespace scribora::project {

namespace {

const wchar_t *wide(const QString &s)
{
    return reinterpret_cast<const wchar_t *>(s.utf16());
}

// Closes the key when it goes out of scope.
class Key
{
public:
    Key(const QString &path, REGSAM access, bool create)
    {
        const LONG rc = create ? RegCreateKeyExW(HKEY_CURRENT_USER, wide(path), 0, nullptr, 0, access,
                                                 nullptr, &m_key, nullptr)
                               : RegOpenKeyExW(HKEY_CURRENT_USER, wide(path), 0, access, &m_key);
        if (rc != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~Key()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    Key(const Key &) = delete;
    Key &operator=(const Key &) = delete;
    explicit operator bool() const { return m_key != nullptr; }
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

} // namespace

RegistrySettingsStore::RegistrySettingsStore(const QString &rootKey)
    : m_rootKey(rootKey)
{
}

QString RegistrySettingsStore::fullKey(const QString &key) const
{
    return key.isEmpty() ? m_rootKey : m_rootKey + QLatin1Char('\\') + key;
}

bool RegistrySettingsStore::keyExists(const QString &key) const
{
    return bool(Key(fullKey(key), KEY_READ, false));
}

bool RegistrySettingsStore::createKey(const QString &key)
{
    return bool(Key(fullKey(key), KEY_READ | KEY_WRITE, true));
}

bool RegistrySettingsStore::removeKey(const QString &key)
{
    // Deletes the key with everything below it.
    const LONG rc = RegDeleteTreeW(HKEY_CURRENT_USER, wide(fullKey(key)));
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

QStringList RegistrySettingsStore::subKeys(const QString &key) const
{
    QStringList names;
    Key k(fullKey(key), KEY_READ, false);
    if (!k)
        return names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD size = 256;
        if (RegEnumKeyExW(k.get(), i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.append(QString::fromWCharArray(name, int(size)));
    }
    return names;
}

QStringList RegistrySettingsStore::valueNames(const QString &key) const
{
    QStringList names;
    Key k(fullKey(key), KEY_READ, false);
    if (!k)
        return names;
    std::vector<wchar_t> name(16384);
    for (DWORD i = 0;; ++i) {
        DWORD size = DWORD(name.size());
        if (RegEnumValueW(k.get(), i, name.data(), &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.append(QString::fromWCharArray(name.data(), int(size)));
    }
    return names;
}

SettingsValue RegistrySettingsStore::value(const QString &key, const QString &name) const
{
    Key k(fullKey(key), KEY_READ, false);
    if (!k)
        return {};
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(k.get(), wide(name), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return {};
    std::vector<BYTE> data(size + sizeof(wchar_t));
    if (RegQueryValueExW(k.get(), wide(name), nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
        return {};
    switch (type) {
    case REG_DWORD: {
        DWORD v = 0;
        memcpy(&v, data.data(), qMin<DWORD>(size, sizeof v));
        return qint32(v);
    }
    case REG_SZ:
    case REG_EXPAND_SZ: {
        QString s = QString::fromWCharArray(reinterpret_cast<const wchar_t *>(data.data()),
                                            int(size / sizeof(wchar_t)));
        // A stored string usually carries its terminating zero.
        while (s.endsWith(QChar(0)))
            s.chop(1);
        return s;
    }
    default:
        return QByteArray(reinterpret_cast<const char *>(data.data()), int(size));
    }
}

bool RegistrySettingsStore::setValue(const QString &key, const QString &name, const SettingsValue &value)
{
    if (std::holds_alternative<std::monostate>(value)) {
        Key k(fullKey(key), KEY_WRITE, false);
        if (!k)
            return true;
        const LONG rc = RegDeleteValueW(k.get(), wide(name));
        return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
    }
    Key k(fullKey(key), KEY_READ | KEY_WRITE, true);
    if (!k)
        return false;
    LONG rc = ERROR_INVALID_PARAMETER;
    if (const qint32 *n = std::get_if<qint32>(&value)) {
        const DWORD v = DWORD(*n);
        rc = RegSetValueExW(k.get(), wide(name), 0, REG_DWORD, reinterpret_cast<const BYTE *>(&v), sizeof v);
    } else if (const QString *s = std::get_if<QString>(&value)) {
        rc = RegSetValueExW(k.get(), wide(name), 0, REG_SZ, reinterpret_cast<const BYTE *>(s->utf16()),
                            DWORD((s->size() + 1) * sizeof(wchar_t)));
    } else if (const QByteArray *b = std::get_if<QByteArray>(&value)) {
        rc = RegSetValueExW(k.get(), wide(name), 0, REG_BINARY,
                            reinterpret_cast<const BYTE *>(b->constData()), DWORD(b->size()));
    }
    return rc == ERROR_SUCCESS;
}

} // namespace scribora::project
