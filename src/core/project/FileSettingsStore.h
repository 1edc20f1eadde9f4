#pragma once

#include "core/project/MemorySettingsStore.h"

#include <vector>

namespace scribora::project {

// Settings in a JSON file that keeps the registry's value names and types. The
// file is read when the store is made; flush() reads it again, applies what was
// changed through this store and replaces it in one step, so that two users of
// the file (the editor settings and the tool-bar layout) keep each other's values.
class FileSettingsStore : public MemorySettingsStore
{
public:
    explicit FileSettingsStore(const QString &filePath);

    // <user configuration folder>/Velvane/Scribora/50.json
    static QString defaultFilePath();

    const QString &filePath() const { return m_filePath; }

    bool createKey(const QString &key) override;
    bool removeKey(const QString &key) override;
    bool setValue(const QString &key, const QString &name, const SettingsValue &value) override;
    bool flush() override;

private:
    struct Change
    {
        enum Kind { CreateKey, RemoveKey, SetValue } kind;
        QString key;
        QString name;
        SettingsValue value;
    };
    bool readFile(MemorySettingsStore &into) const;

    QString m_filePath;
    std::vector<Change> m_changes;
};

} // namespace scribora::project
