#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

namespace scribora::project {
class SettingsStore;
} // namespace scribora::project

namespace scribora::gui {

// The per-user values the main window reads and writes: window geometry, the
// bar lock, the wizard at start, the default folder and language, the recent
// projects, and the positions of the bars and panels.
struct UserSettingsValues
{
    int left = 0, top = 0, width = 705, height = 496;
    bool maximized = false;
    QString defaultProjectPath;
    QStringList recentProjects; // newest first, at most five
    bool showNewProject = true;
    QString defaultLanguage = QStringLiteral("English");
    bool lockToolbars = false;

    // Moves path to the head of the list (an earlier entry equal but for case
    // goes) and keeps five.
    void addRecentProject(const QString &path);
};

// Where those values live. load() is true when stored values were found.
class UserSettings
{
public:
    virtual ~UserSettings() = default;
    virtual bool load(UserSettingsValues &values) = 0;
    virtual bool save(const UserSettingsValues &values) = 0;
    // The bars' and panels' layout (QMainWindow::saveState); empty when none.
    virtual QByteArray loadBarState() = 0;
    virtual void saveBarState(const QByteArray &state) = 0;
};

// The editor settings (and the bar layout) in store; nullptr: the user's store
// of this platform, opened afresh for each use.
std::shared_ptr<UserSettings> editorUserSettings(const QString &appPath,
                                                 std::shared_ptr<project::SettingsStore> store);
std::shared_ptr<UserSettings> platformUserSettings(const QString &appPath);

} // namespace scribora::gui
