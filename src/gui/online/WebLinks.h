#pragma once

#include <QString>

#include <array>

namespace scribora::online {
class AppConfig;
}

namespace scribora::gui {

// The Help menu's web pages; their addresses come from the program folder's
// "App.dll", read afresh for every use.
enum class WebLink { News, Software, Forums, SupportOnLine, Homepage };

// One item of the "&Velvane Web" submenu, in menu order. separatorBefore marks
// the items that a separator precedes; hint is empty for the homepage.
struct WebLinkItem
{
    WebLink link;
    const char *objectName;
    const char *caption;
    const char *hint;
    bool separatorBefore;
};

inline constexpr char webSubmenuObjectName[] = "menuSubVelvaneWeb";
inline constexpr char webSubmenuCaption[] = "&Velvane Web";

const std::array<WebLinkItem, 5> &webLinkItems();

QString webLinkAddress(const online::AppConfig &config, WebLink which);

// Loads appPath + "App.dll" and opens the page's address through the desktop
// (an empty address is handed on as it is). When the file cannot be loaded,
// nothing happens and nothing is shown. True when the desktop was asked.
bool openWebLink(WebLink which, const QString &appPath);

} // namespace scribora::gui
