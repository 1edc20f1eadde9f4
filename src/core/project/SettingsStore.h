#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <variant>

namespace scribora::project {

// A stored value keeps its type, as a registry value does: an integer (REG_DWORD),
// a string (REG_SZ) or binary data (REG_BINARY). monostate is "no such value".
using SettingsValue = std::variant<std::monostate, qint32, QString, QByteArray>;

enum class SettingsType { None, Integer, String, Binary };

SettingsType settingsTypeOf(const SettingsValue &value);

// The per-user settings key "SOFTWARE\Velvane\Scribora\50" and its sub-keys. Keys
// are named relative to that key, with "\" between levels; the empty name is the
// key itself ("ToolBars" is the tool-bar layout's sub-key).
class SettingsStore
{
public:
    virtual ~SettingsStore();

    virtual bool keyExists(const QString &key) const = 0;
    // Creates the key and the keys above it; true when it exists afterwards.
    virtual bool createKey(const QString &key) = 0;
    virtual bool removeKey(const QString &key) = 0;
    virtual QStringList subKeys(const QString &key) const = 0;

    virtual QStringList valueNames(const QString &key) const = 0;
    virtual SettingsValue value(const QString &key, const QString &name) const = 0;
    // Writes a value, creating the key if needed; monostate removes the value.
    virtual bool setValue(const QString &key, const QString &name, const SettingsValue &value) = 0;
    bool removeValue(const QString &key, const QString &name)
    {
        return setValue(key, name, SettingsValue());
    }

    // Makes what was written durable; true when it is. The registry is durable at
    // once; a file store writes its file here.
    virtual bool flush() = 0;

    SettingsType type(const QString &key, const QString &name) const
    {
        return settingsTypeOf(value(key, name));
    }
};

// The store of the current user on this platform: the registry under
// HKEY_CURRENT_USER on Windows, a file in the user's configuration folder
// elsewhere. A fresh object each call, reading what is stored now.
std::shared_ptr<SettingsStore> userSettingsStore();

// Makes userSettingsStore() return this store until called with nullptr; for tests
// that must not touch the user's settings.
void overrideUserSettingsStore(std::shared_ptr<SettingsStore> store);

} // namespace scribora::project
