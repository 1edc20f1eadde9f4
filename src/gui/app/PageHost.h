#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace scribora::project {
class DataStore;
class ProjectConfig;
} // namespace scribora::project

namespace scribora::gui {

class TfrmMain;

// The pages the project explorer shows, one per node.
enum class ExplorerPage {
    Project,      // the root
    Appearance,
    Categories,
    FileTypes,
    SearchFolder,
    FileList,     // the catalogue editor
    MenuDesigner, // the design surface, parented to pnlHide
};

// What a page is built with. The page holds plain references: the main window
// closes every page before it replaces the project objects.
struct PageContext
{
    TfrmMain &main;
    project::ProjectConfig *config; // the open project's; never null in the program
    project::DataStore *dataStore;
    QWidget *parent; // the page area (the design surface: pnlHide)
};

// Builds the widget of one page. The main window owns what it returns, fills the
// page area with it, and on leaving the node calls close() and then deletes it,
// so a page commits its edits (or the design surface writes its working copy)
// in its closeEvent. The catalogue page offers a slot or Q_INVOKABLE
// "AddFile(QString)" for files dropped on the window.
using PageFactory = std::function<QWidget *(const PageContext &)>;

// Pages register themselves here (for instance from a static object in their own
// file); a page without a factory is shown as an empty page.
void registerPageFactory(ExplorerPage page, PageFactory factory);
PageFactory pageFactory(ExplorerPage page);

// The page's widget: from its factory, or an empty one named after the page's form.
QWidget *createPage(ExplorerPage page, const PageContext &context);

// The form name of a page ("TfrmProject", ...), the objectName of empty pages.
QString pageFormName(ExplorerPage page);

} // namespace scribora::gui
