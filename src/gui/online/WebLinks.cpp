#include "gui/online/WebLinks.h"

#include "core/online/AppConfig.h"
#include "gui/app/Shell.h"

#include <QDir>
#include <QUrl>

namespace scribora::gui {

const std::array<WebLinkItem, 5> &webLinkItems()
{
    static const std::array<WebLinkItem, 5> items = {{
        {WebLink::News, "mnuVelvaneNews", "&News", "Latest News", false},
        {WebLink::Software, "mnuVelvaneSoftware", "&Software", "Software Information", false},
        {WebLink::Forums, "mnuVelvaneForums", "&Forums", "Velvane Forums", true},
        {WebLink::SupportOnLine, "mnuVelvaneSupportOnLine", "Support &On Line", "Technical Support", true},
        {WebLink::Homepage, "mnuVelvaneHomepage", "Velvane &Homepage", "", true},
    }};
    return items;
}

QString webLinkAddress(const online::AppConfig &config, WebLink which)
{
    switch (which) {
    case WebLink::News:
        return config.newsURL();
    case WebLink::Software:
        return config.softwareURL();
    case WebLink::Forums:
        return config.forumsURL();
    case WebLink::SupportOnLine:
        return config.supportURL();
    case WebLink::Homepage:
        return config.homepageURL();
    }
    return {};
}

bool openWebLink(WebLink which, const QString &appPath)
{
    online::AppConfig config;
    if (!config.Load(QDir(appPath).filePath(QStringLiteral("App.dll"))))
        return false;
    // "www.example.com" without a scheme is a web address, as the shell takes it.
    shellOpen(QUrl::fromUserInput(webLinkAddress(config, which)));
    return true;
}

} // namespace scribora::gui
