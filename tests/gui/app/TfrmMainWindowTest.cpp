#include "MainWindowFixture.h"

#include "core/online/AppConfigCipher.h"
#include "gui/app/Shell.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QKeyEvent>
#include <QToolBar>
#include <QTreeWidget>

namespace {

// A catalogue page that records the files handed to it.
class FileListPage : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
    QStringList added;
    Q_INVOKABLE void AddFile(const QString &path) { added << path; }
};

} // namespace

TEST_F(MainWindowTest, EachExplorerNodeShowsItsPageAndTheTreeStaysOpen)
{
    TfrmMain &w = start(makeProject(QStringLiteral("Nodes")));
    QTreeWidgetItem *root = w.tvProjectExplorer->topLevelItem(0);
    const char *expected[] = {"TfrmAppearance", "TfrmCategoriesForm", "TfrmFileTypesForm",
                              "TfrmRootDirForm", "TfrmApplicationGrid"};
    QStringList captions;
    for (int i = 0; i < root->childCount(); ++i)
        captions << root->child(i)->text(0);
    EXPECT_EQ(captions, QStringList({"Appearance", "Categories", "File Types", "Search Folder", "File List", "Menu Designer"}));
    for (int i = 0; i < 5; ++i) {
        w.tvProjectExplorer->setCurrentItem(root->child(i));
        EXPECT_EQ(pageName(), expected[i]);
        EXPECT_EQ(w.pageArea->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size(), 2); // pnlHide + page
    }
    w.tvProjectExplorer->setCurrentItem(root);
    EXPECT_EQ(pageName(), "TfrmProject");
    EXPECT_EQ(w.statusText(), "Modifying: Nodes Project");

    w.tvProjectExplorer->collapseItem(root);
    EXPECT_TRUE(root->isExpanded());
}

TEST_F(MainWindowTest, TheMenuDesignerNodeBringsItsBarsAndLeavingItRemovesThem)
{
    TfrmMain &w = start(makeProject(QStringLiteral("Design")));
    QTreeWidgetItem *root = w.tvProjectExplorer->topLevelItem(0);
    w.setPendingControlKind(QStringLiteral("TKXButton"));
    w.tvProjectExplorer->setCurrentItem(root->child(5));
    EXPECT_FALSE(w.ControlBar->isHidden());
    EXPECT_FALSE(w.tbObjProperties->isHidden());
    for (QAction *a : {w.mnuControls, w.mnuPopUpControls, w.mnuDesign, w.mnuPopUpDesign}) {
        EXPECT_TRUE(a->isVisible());
        EXPECT_TRUE(a->isChecked());
    }
    EXPECT_EQ(w.GetPendingControlKind(), "");
    EXPECT_EQ(pageName(), "DesignSurface");
    EXPECT_EQ(w.currentPage()->parentWidget(), w.pnlHide);
    EXPECT_FALSE(w.pnlHide->isHidden());

    w.tvProjectExplorer->setCurrentItem(root->child(0));
    EXPECT_TRUE(w.ControlBar->isHidden());
    EXPECT_TRUE(w.tbObjProperties->isHidden());
    EXPECT_FALSE(w.mnuControls->isVisible());
    EXPECT_FALSE(w.mnuPopUpDesign->isVisible());
    EXPECT_TRUE(w.pnlHide->isHidden());
    EXPECT_EQ(pageName(), "TfrmAppearance");
}

TEST_F(MainWindowTest, BarsPanelsAndTheirChecksMoveInStep)
{
    TfrmMain &w = start(makeProject(QStringLiteral("Bars")));
    w.mnuPopUpToolBar->trigger();
    EXPECT_TRUE(w.ToolBar->isHidden());
    EXPECT_FALSE(w.mnuToolBar->isChecked());
    w.mnuToolBar->trigger();
    EXPECT_FALSE(w.ToolBar->isHidden());
    EXPECT_TRUE(w.mnuPopUpToolBar->isChecked());

    // The explorer's own close button acts as the View item.
    w.ProjectExplorer->close();
    EXPECT_TRUE(w.ProjectExplorer->isHidden());
    EXPECT_FALSE(w.mnuProjectExplorer->isChecked());
    EXPECT_FALSE(w.ToolBttnProjectExplorer->isChecked());
    EXPECT_TRUE(w.pnlHide->isHidden());
    w.ToolBttnProjectExplorer->trigger();
    EXPECT_FALSE(w.ProjectExplorer->isHidden());
    EXPECT_TRUE(w.mnuProjectExplorer->isChecked());

    // Lock and unlock from either item.
    w.mnuPopUpLock->trigger();
    EXPECT_TRUE(w.mnuPopUpLock2->isChecked());
    EXPECT_FALSE(w.MenuBar->isMovable());
    w.mnuPopUpLock2->trigger();
    EXPECT_FALSE(w.mnuPopUpLock->isChecked());
    EXPECT_TRUE(w.MenuBar->isMovable());
    EXPECT_TRUE(w.ToolBar->isFloatable());
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsHintsAndGlyphs)
{
    TfrmMain &w = start();
    struct Item { QAction *action; const char *caption; const char *hint; bool glyph; } items[] = {
        {w.mnuNewProject, "&New Project...", "Create a new menu project.", true},
        {w.mnuOpenProject, "&Open Project...", "Open menu project", true},
        {w.mnuSaveProject, "&Save Project", "Saves the current project.", true},
        {w.mnuCloseProject, "&Close Project", "Closes the current project.", false},
        {w.mnuExit, "E&xit", "Quit the application.", false},
        {w.mnuProjectExplorer, "&Project Explorer", "Show or hide the project explorer", true},
        {w.mnuVelvaneCheckForUpdates, "&Check for Updates...", "Check for an update to this software", false},
        {w.mnuBuildProject, "&Build menu files", "Creates the menu, Autorun.inf, and a data file to be copied to the CD.", true},
        {w.mnuAboutCDScribora, "&About Scribora...", "Display program information, version number and copyright", false},
        {w.ToolBttnSaveProject, "", "Save the current project.", true},
        {w.ToolBttnBuildProject, "", "Build menu files", true},
    };
    for (const Item &i : items) {
        EXPECT_EQ(i.action->text(), i.caption);
        EXPECT_EQ(i.action->statusTip(), i.hint);
        EXPECT_EQ(!i.action->icon().isNull(), i.glyph) << i.caption;
    }
    QStringList controls;
    for (QAction *a : w.controlActions())
        controls << a->toolTip();
    EXPECT_EQ(controls, QStringList({"Label", "HyperLink", "Picture", "Button", "Panel", "File List",
                                     "Category File List", "Short Description", "Long Description",
                                     "File Picture", "AVI Player", "Delete"}));
    EXPECT_EQ(w.minimumSize(), QSize(900, 710));
    EXPECT_EQ(w.windowTitle(), "Scribora");
}

TEST_F(MainWindowTest, DroppedFilesActOnTheFirstAndOnlyExactProjectExtensionsOpen)
{
    registerPageFactory(ExplorerPage::FileList, [](const PageContext &c) {
        auto *page = new FileListPage(c.parent);
        page->setObjectName(QStringLiteral("TfrmApplicationGrid"));
        return page;
    });
    const QString other = makeProject(QStringLiteral("Other"));
    TfrmMain &w = start(makeProject(QStringLiteral("Dropped")));
    auto *grid = qobject_cast<FileListPage *>(w.currentPage());
    ASSERT_NE(grid, nullptr);
    const QString upper = other.chopped(6) + ".CDPRJ";
    w.WMDropFiles({upper, other, QStringLiteral("/x/c.txt")});
    EXPECT_EQ(grid->added, QStringList({upper}));
    EXPECT_EQ(w.tvProjectExplorer->topLevelItem(0)->text(0), "Dropped");

    w.WMDropFiles({other, QStringLiteral("/x/c.txt")});
    EXPECT_EQ(w.tvProjectExplorer->topLevelItem(0)->text(0), "Other");

    // With another page shown, a plain file does nothing.
    w.tvProjectExplorer->setCurrentItem(w.tvProjectExplorer->topLevelItem(0));
    w.WMDropFiles({QStringLiteral("/x/d.txt")});
    EXPECT_EQ(pageName(), "TfrmProject");
    registerPageFactory(ExplorerPage::FileList, {});
}

TEST_F(MainWindowTest, F1OpensTheHelpFileWhenItIsThere)
{
    QList<QUrl> opened;
    setUrlOpener([&](const QUrl &url) { opened << url; return true; });
    TfrmMain &w = start();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(w.tvProjectExplorer, &f1);
    EXPECT_TRUE(opened.isEmpty()); // no help file: nothing

    TempDir::writeBytes(program.file(QStringLiteral("QVHelp.chm")), "help");
    QKeyEvent again(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(w.tvProjectExplorer, &again);
    w.mnuContents->trigger();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(program.file(QStringLiteral("QVHelp.chm"))));
    setUrlOpener({});
}

TEST_F(MainWindowTest, HelpMenuWebItemsOpenTheAddressesOfTheProgramsConfiguration)
{
    QList<QUrl> opened;
    setUrlOpener([&](const QUrl &url) { opened << url; return true; });
    TfrmMain &w = start();
    w.findChild<QAction *>(QStringLiteral("mnuVelvaneForums"))->trigger();
    EXPECT_TRUE(opened.isEmpty()); // no App.dll: nothing happens

    const QByteArray plain = "[HELP NEWS]\r\nhttp://www.velvane.example/news\r\n\r\n"
                             "[HELP Software]\r\nhttp://www.velvane.example/software\r\n\r\n"
                             "[HELP Forums]\r\nhttp://www.velvane.example/forums\r\n\r\n"
                             "[HELP Support On Line]\r\nhttp://www.velvane.example/support\r\n\r\n"
                             "[HELP Homepage]\r\nhttp://www.velvane.example/\r\n\r\n"
                             "[UPDATE FILE]\r\nhttp://www.velvane.example/update\r\n\r\n";
    ASSERT_TRUE(TempDir::writeBytes(program.file(QStringLiteral("App.dll")),
                                    scribora::online::encipherAppConfig(plain)));
    for (const char *item : {"mnuVelvaneNews", "mnuVelvaneSoftware", "mnuVelvaneForums",
                             "mnuVelvaneSupportOnLine", "mnuVelvaneHomepage"})
        w.findChild<QAction *>(QLatin1String(item))->trigger();
    EXPECT_EQ(opened, QList<QUrl>({QUrl(QStringLiteral("http://www.velvane.example/news")),
                                   QUrl(QStringLiteral("http://www.velvane.example/software")),
                                   QUrl(QStringLiteral("http://www.velvane.example/forums")),
                                   QUrl(QStringLiteral("http://www.velvane.example/support")),
                                   QUrl(QStringLiteral("http://www.velvane.example/"))}));
    setUrlOpener({});
}

TEST_F(MainWindowTest, SettingsDialogWritesOnlyOnOkAndKeepsTheLanguage)
{
    settings->stored = true;
    settings->values.defaultLanguage = QStringLiteral("German");
    settings->values.defaultProjectPath = QStringLiteral("/old/");
    TfrmMain &w = start();
    for (bool ok : {false, true}) {
        QTimer::singleShot(0, [ok] {
            auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            auto *check = dlg->findChild<QAbstractButton *>(QStringLiteral("chkShowNewProject"));
            check->setChecked(false);
            dlg->findChild<QAbstractButton *>(ok ? QStringLiteral("bttnOK") : QStringLiteral("bttnCancel"))->click();
        });
        const int saves = settings->saves;
        w.mnuSettingsClick();
        EXPECT_EQ(settings->saves, saves + (ok ? 1 : 0));
        EXPECT_EQ(settings->values.showNewProject, !ok);
        EXPECT_EQ(settings->values.defaultLanguage, "German");
    }
}

#include "TfrmMainWindowTest.moc"
