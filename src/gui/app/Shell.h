#pragma once

#include <QUrl>

#include <functional>

namespace scribora::gui {

// The desktop's "open" for files and web addresses. Tests install their own
// opener to see what would have been opened; nullptr restores QDesktopServices.
using UrlOpener = std::function<bool(const QUrl &)>;
bool shellOpen(const QUrl &url);
void setUrlOpener(UrlOpener opener);

} // namespace scribora::gui
