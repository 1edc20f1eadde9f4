#pragma once

#include "core/project/SettingsStore.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace scribora::project {

// The per-user preferences and the recent projects. Short-lived: construct, Load,
// read or change, Save if something changed, and drop.
class EditorSettings
{
public:
    static constexpr const char *RegistryKey = "SOFTWARE\\Velvane\\Scribora\\50";
    static constexpr int MaxRecentProjects = 5;

    // programFolder is the program's folder with a trailing separator; it is the
    // default project folder when it can be written to (see defaultProjectPathFor).
    explicit EditorSettings(const QString &programFolder,
                            std::shared_ptr<SettingsStore> store = userSettingsStore());

    // True when the key exists and every value was read. On false the values read
    // before the failure are kept and the rest keep their defaults.
    bool Load();
    // True when every value was written.
    bool Save();

    qint32 Left() const { return m_left; }
    void setLeft(qint32 v) { m_left = v; }
    qint32 Top() const { return m_top; }
    void setTop(qint32 v) { m_top = v; }
    qint32 Width() const { return m_width; }
    void setWidth(qint32 v) { m_width = v; }
    qint32 Height() const { return m_height; }
    void setHeight(qint32 v) { m_height = v; }
    bool Maximized() const { return m_maximized; }
    void setMaximized(bool v) { m_maximized = v; }
    const QString &DefaultProjectPath() const { return m_defaultProjectPath; }
    void setDefaultProjectPath(const QString &v) { m_defaultProjectPath = v; }
    bool ShowNewProject() const { return m_showNewProject; }
    void setShowNewProject(bool v) { m_showNewProject = v; }
    const QString &DefaultLanguage() const { return m_defaultLanguage; }
    void setDefaultLanguage(const QString &v) { m_defaultLanguage = v; }
    bool LockToolbars() const { return m_lockToolbars; }
    void setLockToolbars(bool v) { m_lockToolbars = v; }

    // Newest first, at most five; each is project folder + project name.
    const QStringList &recentProjects() const { return m_recent; }
    // Moves path to the head (replacing an entry equal to it ignoring case) and
    // keeps the first five.
    void AddRecentProject(const QString &path);

    SettingsStore &store() const { return *m_store; }

    // The program folder when it exists and can be written to; otherwise the
    // user's documents folder + "Scribora Projects", with a trailing separator.
    static QString defaultProjectPathFor(const QString &programFolder);

private:
    std::shared_ptr<SettingsStore> m_store;
    qint32 m_left = 0;
    qint32 m_top = 0;
    qint32 m_width = 705;
    qint32 m_height = 496;
    bool m_maximized = false;
    QString m_defaultProjectPath;
    QStringList m_recent;
    bool m_showNewProject = true;
    QString m_defaultLanguage;
    bool m_lockToolbars = false;
};

} // namespace scribora::project
