#include "gui/app/UserSettings.h"

#include "core/project/EditorSettings.h"

namespace scribora::gui {

void UserSettingsValues::addRecentProject(const QString &path)
{
    QStringList list{path};
    bool dropped = false;
    for (const QString &entry : recentProjects) {
        if (!dropped && entry.compare(path, Qt::CaseInsensitive) == 0) {
            dropped = true;
            continue;
        }
        list << entry;
    }
    recentProjects = list.mid(0, 5);
}

namespace {

const QString kBarKey = QStringLiteral("ToolBars");
const QString kBarValue = QStringLiteral("Layout");

// The editor settings in the per-user store, and the bar layout in its
// "ToolBars" sub-key.
class EditorUserSettings : public UserSettings
{
public:
    EditorUserSettings(QString appPath, std::shared_ptr<project::SettingsStore> store)
        : m_appPath(std::move(appPath)), m_store(std::move(store))
    {
    }

    bool load(UserSettingsValues &v) override
    {
        project::EditorSettings s(m_appPath, store());
        const bool ok = s.Load();
        v.left = s.Left();
        v.top = s.Top();
        v.width = s.Width();
        v.height = s.Height();
        v.maximized = s.Maximized();
        v.defaultProjectPath = s.DefaultProjectPath();
        v.recentProjects = s.recentProjects();
        v.showNewProject = s.ShowNewProject();
        v.defaultLanguage = s.DefaultLanguage();
        v.lockToolbars = s.LockToolbars();
        return ok;
    }

    bool save(const UserSettingsValues &v) override
    {
        project::EditorSettings s(m_appPath, store());
        s.Load(); // keeps what this program does not know about
        s.setLeft(v.left);
        s.setTop(v.top);
        s.setWidth(v.width);
        s.setHeight(v.height);
        s.setMaximized(v.maximized);
        s.setDefaultProjectPath(v.defaultProjectPath);
        for (auto it = v.recentProjects.crbegin(); it != v.recentProjects.crend(); ++it)
            s.AddRecentProject(*it);
        s.setShowNewProject(v.showNewProject);
        s.setDefaultLanguage(v.defaultLanguage);
        s.setLockToolbars(v.lockToolbars);
        return s.Save();
    }

    QByteArray loadBarState() override
    {
        const project::SettingsValue value = store()->value(kBarKey, kBarValue);
        if (const auto *bytes = std::get_if<QByteArray>(&value))
            return *bytes;
        return {};
    }

    void saveBarState(const QByteArray &state) override
    {
        auto s = store();
        if (s->setValue(kBarKey, kBarValue, state))
            s->flush();
    }

private:
    std::shared_ptr<project::SettingsStore> store() const
    {
        return m_store ? m_store : project::userSettingsStore();
    }

    QString m_appPath;
    std::shared_ptr<project::SettingsStore> m_store;
};

} // namespace

std::shared_ptr<UserSettings> editorUserSettings(const QString &appPath,
                                                 std::shared_ptr<project::SettingsStore> store)
{
    return std::make_shared<EditorUserSettings>(appPath, std::move(store));
}

std::shared_ptr<UserSettings> platformUserSettings(const QString &appPath)
{
    return editorUserSettings(appPath, nullptr);
}

} // namespace scribora::gui
