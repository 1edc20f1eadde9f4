#include "gui/app/UserSettings.h"

#include <QSettings>

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

// The user's settings file (registry on Windows), with the value names and types
// of the program's key.
class QSettingsUserSettings : public UserSettings
{
public:
    explicit QSettingsUserSettings(QString appPath) : m_appPath(std::move(appPath)) {}

    bool load(UserSettingsValues &v) override
    {
        v = UserSettingsValues();
        v.defaultProjectPath = m_appPath;
        QSettings s = settings();
        if (!s.contains(QStringLiteral("Left")))
            return false;
        bool ok = true;
        auto integer = [&](const char *name, int &out) {
            bool good = false;
            const int n = s.value(QLatin1String(name)).toInt(&good);
            if (good)
                out = n;
            ok = ok && good;
        };
        integer("Left", v.left);
        integer("Top", v.top);
        integer("Width", v.width);
        integer("Height", v.height);
        if (!ok)
            return false;
        v.maximized = s.value(QStringLiteral("Maximized")).toBool();
        const QString dir = s.value(QStringLiteral("DefaultProjectPath")).toString();
        if (!dir.isEmpty())
            v.defaultProjectPath = dir;
        for (int i = 0; i < 5; ++i) {
            const QString entry = s.value(QStringLiteral("RecentFile%1").arg(i)).toString();
            if (!entry.isEmpty())
                v.recentProjects << entry;
        }
        const QString language = s.value(QStringLiteral("DefaultLanguage")).toString();
        if (!language.isEmpty())
            v.defaultLanguage = language;
        v.lockToolbars = s.value(QStringLiteral("LockToolbars"), false).toBool();
        v.showNewProject = s.value(QStringLiteral("ShowNewProject"), true).toBool();
        return true;
    }

    bool save(const UserSettingsValues &v) override
    {
        QSettings s = settings();
        s.setValue(QStringLiteral("Left"), v.left);
        s.setValue(QStringLiteral("Top"), v.top);
        s.setValue(QStringLiteral("Width"), v.width);
        s.setValue(QStringLiteral("Height"), v.height);
        s.setValue(QStringLiteral("Maximized"), v.maximized ? 1 : 0);
        s.setValue(QStringLiteral("DefaultProjectPath"), v.defaultProjectPath);
        for (int i = 0; i < v.recentProjects.size(); ++i)
            s.setValue(QStringLiteral("RecentFile%1").arg(i), v.recentProjects.at(i));
        s.setValue(QStringLiteral("ShowNewProject"), v.showNewProject ? 1 : 0);
        s.setValue(QStringLiteral("DefaultLanguage"), v.defaultLanguage);
        s.setValue(QStringLiteral("LockToolbars"), v.lockToolbars ? 1 : 0);
        s.sync();
        return s.status() == QSettings::NoError;
    }

    QByteArray loadBarState() override
    {
        return settings().value(QStringLiteral("ToolBars/State")).toByteArray();
    }
    void saveBarState(const QByteArray &state) override
    {
        QSettings s = settings();
        s.setValue(QStringLiteral("ToolBars/State"), state);
    }

private:
    static QSettings settings()
    {
#ifdef Q_OS_WIN
        return QSettings(QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Velvane\\Scribora\\50"),
                         QSettings::NativeFormat);
#else
        return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Velvane"),
                         QStringLiteral("Scribora"));
#endif
    }

    QString m_appPath;
};

} // namespace

std::shared_ptr<UserSettings> platformUserSettings(const QString &appPath)
{
    return std::make_shared<QSettingsUserSettings>(appPath);
}

} // namespace scribora::gui
