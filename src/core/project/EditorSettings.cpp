#include "core/project/EditorSettings.h"

#include "core/text/Ansi.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace scribora::project {

namespace {

const QString Root; // the settings key itself

// A stored value of the wrong type ends the load, as reading it from the registry
// with the wrong type does.
struct WrongValue
{
};

qint32 requireInteger(const SettingsStore &store, const char *name)
{
    const SettingsValue v = store.value(Root, QString::fromLatin1(name));
    if (const qint32 *n = std::get_if<qint32>(&v))
        return *n;
    throw WrongValue{};
}

// Missing reads as empty; another type is an error.
QString optionalString(const SettingsStore &store, const QString &name)
{
    const SettingsValue v = store.value(Root, name);
    if (std::holds_alternative<std::monostate>(v))
        return QString();
    if (const QString *s = std::get_if<QString>(&v))
        return *s;
    throw WrongValue{};
}

QString withTrailingSeparator(QString folder)
{
    folder = QDir::toNativeSeparators(folder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

QString recentName(int i)
{
    return QStringLiteral("RecentFile") + QString::number(i);
}

} // namespace

EditorSettings::EditorSettings(const QString &programFolder, std::shared_ptr<SettingsStore> store)
    : m_store(std::move(store))
    , m_defaultProjectPath(defaultProjectPathFor(programFolder))
    , m_defaultLanguage(QStringLiteral("English"))
{
}

QString EditorSettings::defaultProjectPathFor(const QString &programFolder)
{
    const QFileInfo program(programFolder);
    if (!programFolder.isEmpty() && program.isDir() && program.isWritable())
        return withTrailingSeparator(programFolder);
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return withTrailingSeparator(withTrailingSeparator(documents) + QStringLiteral("Scribora Projects"));
}

bool EditorSettings::Load()
{
    const SettingsStore &s = *m_store;
    if (!s.keyExists(Root))
        return false;
    try {
        m_left = requireInteger(s, "Left");
        m_top = requireInteger(s, "Top");
        m_width = requireInteger(s, "Width");
        m_height = requireInteger(s, "Height");
        m_maximized = requireInteger(s, "Maximized") != 0;

        const QString path = optionalString(s, QStringLiteral("DefaultProjectPath"));
        if (!path.isEmpty())
            m_defaultProjectPath = path;

        m_recent.clear();
        for (int i = 0; i < MaxRecentProjects; ++i) {
            const QString entry = optionalString(s, recentName(i));
            if (!entry.isEmpty())
                m_recent.append(entry);
        }

        const QString language = optionalString(s, QStringLiteral("DefaultLanguage"));
        if (!language.isEmpty())
            m_defaultLanguage = language;

        if (s.type(Root, QStringLiteral("LockToolbars")) != SettingsType::None)
            m_lockToolbars = requireInteger(s, "LockToolbars") != 0;
        if (s.type(Root, QStringLiteral("ShowNewProject")) != SettingsType::None)
            m_showNewProject = requireInteger(s, "ShowNewProject") != 0;
    } catch (const WrongValue &) {
        return false;
    }
    return true;
}

bool EditorSettings::Save()
{
    SettingsStore &s = *m_store;
    if (!s.createKey(Root))
        return false;
    const auto integer = [&s](const char *name, qint32 v) {
        return s.setValue(Root, QString::fromLatin1(name), v);
    };
    const auto string = [&s](const QString &name, const QString &v) { return s.setValue(Root, name, v); };

    bool ok = integer("Left", m_left) && integer("Top", m_top) && integer("Width", m_width)
              && integer("Height", m_height) && integer("Maximized", m_maximized ? 1 : 0)
              && string(QStringLiteral("DefaultProjectPath"), m_defaultProjectPath);
    for (int i = 0; ok && i < m_recent.size(); ++i)
        ok = string(recentName(i), m_recent[i]);
    // Entries beyond the list would come back on the next load as duplicates or
    // as projects the list had already dropped.
    for (int i = int(m_recent.size()); ok && i < MaxRecentProjects; ++i)
        ok = s.removeValue(Root, recentName(i));
    ok = ok && integer("ShowNewProject", m_showNewProject ? 1 : 0)
         && string(QStringLiteral("DefaultLanguage"), m_defaultLanguage)
         && integer("LockToolbars", m_lockToolbars ? 1 : 0);
    return s.flush() && ok;
}

void EditorSettings::AddRecentProject(const QString &path)
{
    QStringList list{path};
    bool dropped = false;
    for (const QString &entry : std::as_const(m_recent)) {
        if (!dropped && text::compareAnsiCaseInsensitive(entry, path) == 0) {
            dropped = true;
            continue;
        }
        list.append(entry);
    }
    m_recent = list.mid(0, MaxRecentProjects);
}

} // namespace scribora::project
