#include "core/project/MemorySettingsStore.h"

#include <QJsonArray>

namespace scribora::project {

QStringList MemorySettingsStore::split(const QString &key)
{
    QStringList parts;
    for (const QString &p : key.split(QLatin1Char('\\')))
        if (!p.isEmpty())
            parts.append(p);
    return parts;
}

const MemorySettingsStore::Node *MemorySettingsStore::find(const QString &key) const
{
    const Node *node = &m_root;
    for (const QString &part : split(key)) {
        const auto it = node->keys.find(part);
        if (it == node->keys.end())
            return nullptr;
        node = &it->second;
    }
    return node;
}

MemorySettingsStore::Node *MemorySettingsStore::find(const QString &key, bool create)
{
    if (!create)
        return const_cast<Node *>(std::as_const(*this).find(key));
    Node *node = &m_root;
    for (const QString &part : split(key))
        node = &node->keys[part];
    return node;
}

bool MemorySettingsStore::keyExists(const QString &key) const
{
    return find(key) != nullptr;
}

bool MemorySettingsStore::createKey(const QString &key)
{
    find(key, true);
    return true;
}

bool MemorySettingsStore::removeKey(const QString &key)
{
    QStringList parts = split(key);
    if (parts.isEmpty()) {
        m_root = Node();
        return true;
    }
    const QString last = parts.takeLast();
    Node *parent = find(parts.join(QLatin1Char('\\')), false);
    if (parent)
        parent->keys.erase(last);
    return true;
}

QStringList MemorySettingsStore::subKeys(const QString &key) const
{
    QStringList names;
    if (const Node *node = find(key))
        for (const auto &[name, child] : node->keys)
            names.append(name);
    return names;
}

QStringList MemorySettingsStore::valueNames(const QString &key) const
{
    QStringList names;
    if (const Node *node = find(key))
        for (const auto &[name, value] : node->values)
            names.append(name);
    return names;
}

SettingsValue MemorySettingsStore::value(const QString &key, const QString &name) const
{
    const Node *node = find(key);
    if (!node)
        return {};
    const auto it = node->values.find(name);
    return it == node->values.end() ? SettingsValue() : it->second;
}

bool MemorySettingsStore::setValue(const QString &key, const QString &name, const SettingsValue &value)
{
    if (std::holds_alternative<std::monostate>(value)) {
        if (Node *node = find(key, false))
            node->values.erase(name);
        return true;
    }
    Node *node = find(key, true);
    // Keep the spelling of the new name, as the registry does on rewrite.
    node->values.erase(name);
    node->values.emplace(name, value);
    return true;
}

QJsonObject MemorySettingsStore::nodeToJson(const Node &node)
{
    QJsonObject values;
    for (const auto &[name, v] : node.values) {
        QJsonObject entry;
        switch (settingsTypeOf(v)) {
        case SettingsType::Integer:
            entry[QStringLiteral("type")] = QStringLiteral("integer");
            entry[QStringLiteral("data")] = std::get<qint32>(v);
            break;
        case SettingsType::String:
            entry[QStringLiteral("type")] = QStringLiteral("string");
            entry[QStringLiteral("data")] = std::get<QString>(v);
            break;
        case SettingsType::Binary:
            entry[QStringLiteral("type")] = QStringLiteral("binary");
            entry[QStringLiteral("data")] = QString::fromLatin1(std::get<QByteArray>(v).toBase64());
            break;
        case SettingsType::None:
            continue;
        }
        values[name] = entry;
    }
    QJsonObject keys;
    for (const auto &[name, child] : node.keys)
        keys[name] = nodeToJson(child);
    QJsonObject json;
    json[QStringLiteral("values")] = values;
    json[QStringLiteral("keys")] = keys;
    return json;
}

void MemorySettingsStore::nodeFromJson(Node &node, const QJsonObject &json)
{
    const QJsonObject values = json.value(QStringLiteral("values")).toObject();
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QJsonObject entry = it.value().toObject();
        const QString type = entry.value(QStringLiteral("type")).toString();
        const QJsonValue data = entry.value(QStringLiteral("data"));
        if (type == QLatin1String("integer") && data.isDouble()) {
            const double d = data.toDouble();
            if (d >= std::numeric_limits<qint32>::min() && d <= std::numeric_limits<qint32>::max()
                && d == qint32(d))
                node.values[it.key()] = qint32(d);
        } else if (type == QLatin1String("string") && data.isString()) {
            node.values[it.key()] = data.toString();
        } else if (type == QLatin1String("binary") && data.isString()) {
            node.values[it.key()] = QByteArray::fromBase64(data.toString().toLatin1());
        }
    }
    const QJsonObject keys = json.value(QStringLiteral("keys")).toObject();
    for (auto it = keys.begin(); it != keys.end(); ++it)
        nodeFromJson(node.keys[it.key()], it.value().toObject());
}

QJsonObject MemorySettingsStore::toJson() const
{
    return nodeToJson(m_root);
}

void MemorySettingsStore::fromJson(const QJsonObject &root)
{
    m_root = Node();
    nodeFromJson(m_root, root);
}

} // namespace scribora::project
