#include "gui/app/PageHost.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <array>

namespace scribora::gui {

namespace {
std::array<PageFactory, 7> &factories()
{
    static std::array<PageFactory, 7> all;
    return all;
}
} // namespace

void registerPageFactory(ExplorerPage page, PageFactory factory)
{
    factories()[size_t(page)] = std::move(factory);
}

PageFactory pageFactory(ExplorerPage page) { return factories()[size_t(page)]; }

QString pageFormName(ExplorerPage page)
{
    static const char *const names[] = {"TfrmProject", "TfrmAppearance", "TfrmCategoriesForm",
                                        "TfrmFileTypesForm", "TfrmRootDirForm",
                                        "TfrmApplicationGrid", "DesignSurface"};
    return QString::fromLatin1(names[size_t(page)]);
}

QWidget *createPage(ExplorerPage page, const PageContext &context)
{
    if (const PageFactory &factory = factories()[size_t(page)]) {
        if (QWidget *w = factory(context))
            return w;
    }
    auto *empty = new QWidget(context.parent);
    empty->setObjectName(pageFormName(page));
    return empty;
}

} // namespace scribora::gui
