#pragma once

#include <QUrl>

#include <functional>

namespace scribora::gui {

// The desktop's "open" for web addresses and programs (the user's browser, the
// updater), behind a seam so that tests see what would have been opened and no
// test starts a browser. Production uses QDesktopServices.
using DesktopUrlOpener = std::function<bool(const QUrl &)>;

// True when the desktop took the request.
bool openThroughDesktop(const QUrl &url);

// Installs an opener for tests; an empty one restores the desktop's.
void setDesktopUrlOpener(DesktopUrlOpener opener);

} // namespace scribora::gui
