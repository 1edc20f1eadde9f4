#pragma once

#include "core/project/SettingsStore.h"

namespace scribora::project {

// The settings key under HKEY_CURRENT_USER ("SOFTWARE\Velvane\Scribora\50" unless
// told otherwise). Integers are REG_DWORD, strings REG_SZ (REG_EXPAND_SZ reads as
// a string), binary data REG_BINARY; a value of any other type reads as binary.
class RegistrySettingsStore : public SettingsStore
{
public:
    explicit RegistrySettingsStore(const QString &rootKey = QStringLiteral("SOFTWARE\\Velvane\\Scribora\\50"));

    bool keyExists(const QString &key) const override;
    bool createKey(const QString &key) override;
    bool removeKey(const QString &key) override;
    QStringList subKeys(const QString &key) const override;
    QStringList valueNames(const QString &key) const override;
    SettingsValue value(const QString &key, const QString &name) const override;
    bool setValue(const QString &key, const QString &name, const SettingsValue &value) override;
    bool flush() override { return true; }

private:
    QString fullKey(const QString &key) const;

    QString m_rootKey;
};

} // namespace scribora::project
