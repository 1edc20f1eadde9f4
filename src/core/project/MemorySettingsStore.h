#pragma once

#include "core/project/SettingsStore.h"

#include <QJsonObject>

#include <map>

namespace scribora::project {

// Settings held in memory as a tree of keys; also the model of the file store,
// which saves the same tree as JSON.
class MemorySettingsStore : public SettingsStore
{
public:
    MemorySettingsStore() = default;

    bool keyExists(const QString &key) const override;
    bool createKey(const QString &key) override;
    bool removeKey(const QString &key) override;
    QStringList subKeys(const QString &key) const override;
    QStringList valueNames(const QString &key) const override;
    SettingsValue value(const QString &key, const QString &name) const override;
    bool setValue(const QString &key, const QString &name, const SettingsValue &value) override;
    bool flush() override { return true; }

    // The tree as JSON: {"values": {name: {"type": ..., "data": ...}}, "keys": {name: tree}}.
    QJsonObject toJson() const;
    // Replaces the tree; entries of unknown form are skipped.
    void fromJson(const QJsonObject &root);

private:
    // Names compare without regard to case, as the registry's do.
    struct NameLess
    {
        bool operator()(const QString &a, const QString &b) const
        {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        }
    };
    struct Node
    {
        std::map<QString, SettingsValue, NameLess> values;
        std::map<QString, Node, NameLess> keys;
    };
    static QStringList split(const QString &key);
    const Node *find(const QString &key) const;
    Node *find(const QString &key, bool create);
    static QJsonObject nodeToJson(const Node &node);
    static void nodeFromJson(Node &node, const QJsonObject &json);

    Node m_root;
};

} // namespace scribora::project
