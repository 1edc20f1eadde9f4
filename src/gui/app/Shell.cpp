#include "gui/app/Shell.h"

#include <QDesktopServices>

namespace scribora::gui {

namespace {
UrlOpener &installed()
{
    static UrlOpener opener;
    return opener;
}
} // namespace

bool shellOpen(const QUrl &url)
{
    if (installed())
        return installed()(url);
    return QDesktopServices::openUrl(url);
}

void setUrlOpener(UrlOpener opener) { installed() = std::move(opener); }

} // namespace scribora::gui
