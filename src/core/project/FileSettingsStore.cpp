#include "core/project/FileSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>

namespace scribora::project {

FileSettingsStore::FileSettingsStore(const QString &filePath)
    : m_filePath(filePath)
{
    readFile(*this);
}

QString FileSettingsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Velvane/Scribora/50.json");
}

bool FileSettingsStore::readFile(MemorySettingsStore &into) const
{
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
    if (!doc.isObject())
        return false;
    into.fromJson(doc.object());
    return true;
}

bool FileSettingsStore::createKey(const QString &key)
{
    m_changes.push_back({Change::CreateKey, key, QString(), SettingsValue()});
    return MemorySettingsStore::createKey(key);
}

bool FileSettingsStore::removeKey(const QString &key)
{
    m_changes.push_back({Change::RemoveKey, key, QString(), SettingsValue()});
    return MemorySettingsStore::removeKey(key);
}

bool FileSettingsStore::setValue(const QString &key, const QString &name, const SettingsValue &value)
{
    m_changes.push_back({Change::SetValue, key, name, value});
    return MemorySettingsStore::setValue(key, name, value);
}

bool FileSettingsStore::flush()
{
    if (m_changes.empty())
        return true;
    // Apply this store's changes to what the file holds now.
    MemorySettingsStore current;
    readFile(current);
    for (const Change &c : m_changes) {
        switch (c.kind) {
        case Change::CreateKey: current.createKey(c.key); break;
        case Change::RemoveKey: current.removeKey(c.key); break;
        case Change::SetValue: current.setValue(c.key, c.name, c.value); break;
        }
    }
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = QJsonDocument(current.toJson()).toJson(QJsonDocument::Indented);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return false;
    m_changes.clear();
    fromJson(current.toJson());
    return true;
}

} // namespace scribora::project
