#include "gui/online/DesktopOpener.h"

#include <QDesktopServices>

namespace scribora::gui {

namespace {

DesktopUrlOpener &installed()
{
    static DesktopUrlOpener opener;
    return opener;
}

} // namespace

bool openThroughDesktop(const QUrl &url)
{
    if (installed())
        return installed()(url);
    return QDesktopServices::openUrl(url);
}

void setDesktopUrlOpener(DesktopUrlOpener opener)
{
    installed() = std::move(opener);
}

} // namespace scribora::gui
