#include "core/project/MenuList.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace scribora::project {

bool MenuList::ListTemplates(QStringList &list) const
{
    const QDir examples(m_appPath + QStringLiteral("Examples"));
    const QStringList files = examples.entryList({QStringLiteral("*.cfg")}, QDir::Files);
    for (const QString &file : files)
        list << file.chopped(4);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(list.begin(), list.end(),
              [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    return true;
}

QString MenuList::TemplatePath(const QString &name) const
{
    return m_appPath + QStringLiteral("Examples") + QDir::separator() + name + QStringLiteral(".cfg");
}

bool MenuList::CopyTemplate(const QString &menuType, const QString &folder)
{
    m_error.clear();
    QFile source(TemplatePath(menuType));
    if (!source.open(QIODevice::ReadOnly)) {
        m_error.Report(QStringLiteral("Cannot read the menu template ") + source.fileName());
        return false;
    }
    const QByteArray bytes = source.readAll();
    QSaveFile target(folder + QStringLiteral("Menu.cfg"));
    if (!target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size() || !target.commit()) {
        m_error.Report(QStringLiteral("Cannot write ") + target.fileName());
        return false;
    }
    return true;
}

} // namespace scribora::project
