#include "MainWindowFixture.h"

#include <QAction>
#include <QToolBar>
#include <QTreeWidget>

TEST_F(MainWindowTest, FirstStartWithoutSettingsPlacesTheWindowAndAsksForTheWizard)
{
    TfrmMain &w = start();
    EXPECT_EQ(w.pos(), QPoint(0, 0));
    // 705 x 496 is requested; the minimum size wins.
    EXPECT_EQ(w.size(), QSize(900, 710));
    EXPECT_EQ(wizardRuns, 1);
    EXPECT_FALSE(w.hasProject());
    for (QAction *a : {w.mnuSaveProject, w.ToolBttnSaveProject, w.mnuCloseProject, w.mnuQuillonsExport,
                       w.mnuProjectExplorer, w.ToolBttnProjectExplorer, w.mnuBuildProject, w.ToolBttnBuildProject})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    for (QAction *a : {w.mnuNewProject, w.mnuOpenProject, w.mnuExit})
        EXPECT_TRUE(a->isEnabled());
    EXPECT_TRUE(w.ProjectExplorer->isHidden());
    EXPECT_FALSE(w.mnuRecentProjects->isEnabled());
    w.FormActivate(); // later activations do nothing
    EXPECT_EQ(wizardRuns, 1);
}

TEST_F(MainWindowTest, StoredSettingsAreAppliedAtStart)
{
    settings->stored = true;
    settings->values.left = 40;
    settings->values.top = 30;
    settings->values.width = 1000;
    settings->values.height = 760;
    settings->values.showNewProject = false;
    settings->values.lockToolbars = true;
    settings->values.recentProjects = {QStringLiteral("/p/A"), QStringLiteral("/p/B&C")};
    TfrmMain &w = start();
    EXPECT_EQ(w.pos(), QPoint(40, 30));
    EXPECT_EQ(w.size(), QSize(1000, 760));
    EXPECT_EQ(wizardRuns, 0);
    EXPECT_TRUE(w.mnuPopUpLock->isChecked());
    EXPECT_TRUE(w.mnuPopUpLock2->isChecked());
    EXPECT_FALSE(w.MenuBar->isMovable());
    EXPECT_FALSE(w.ToolBar->isMovable());
    EXPECT_FALSE(w.ToolBar->isFloatable());
    EXPECT_TRUE(w.ControlBar->isMovable());
    EXPECT_TRUE(w.mnuRecentProjects->isEnabled());
    EXPECT_EQ(w.mnuRecentFile[0]->text(), "&1 /p/A");
    EXPECT_EQ(w.mnuRecentFile[1]->text(), "&2 /p/B&&C");
    EXPECT_EQ(w.mnuRecentFile[1]->data().toString(), "/p/B&C");
    EXPECT_TRUE(w.mnuRecentFile[1]->isVisible());
    EXPECT_FALSE(w.mnuRecentFile[2]->isVisible());
}

TEST_F(MainWindowTest, ACommandLineProjectOpensOnItsFileListInsteadOfTheWizard)
{
    settings->stored = true;
    settings->values.showNewProject = true;
    const QString path = makeProject(QStringLiteral("Sample"));
    TfrmMain &w = start(path);
    EXPECT_EQ(wizardRuns, 0);
    EXPECT_TRUE(w.hasProject());
    EXPECT_EQ(w.tvProjectExplorer->topLevelItem(0)->text(0), "Sample");
    EXPECT_EQ(pageName(), "TfrmApplicationGrid");
    EXPECT_TRUE(w.mnuSaveProject->isEnabled());
    EXPECT_FALSE(w.ProjectExplorer->isHidden());
    EXPECT_TRUE(state->log.contains(QStringLiteral("loadDataStore ") + path.chopped(6) + ".cdc"));
    EXPECT_TRUE(script.asked.isEmpty());
}

TEST_F(MainWindowTest, AFailedCommandLineLoadLeavesNothingThatCouldBeSaved)
{
    const QString path = makeProject(QStringLiteral("Broken"));
    TempDir::writeBytes(path, "broken");
    TfrmMain &w = start(path);
    EXPECT_EQ(script.asked, QStringList({"error: Scribora: There was an error loading the project."}));
    EXPECT_FALSE(w.hasProject());
    EXPECT_FALSE(w.mnuSaveProject->isEnabled());
    EXPECT_EQ(w.tvProjectExplorer->topLevelItem(0)->text(0), "Menu Name");
    w.mnuSaveProjectClick();
    EXPECT_EQ(TempDir::readBytes(path), "broken");
    EXPECT_EQ(wizardRuns, 0);
}

TEST_F(MainWindowTest, ShutDownStoresGeometryLockRecentAndBarLayout)
{
    const QString path = makeProject(QStringLiteral("Kept"));
    TfrmMain &w = start(path);
    w.move(50, 60);
    w.resize(950, 720);
    w.mnuPopUpLock2->trigger();
    EXPECT_TRUE(w.mnuPopUpLock->isChecked());
    w.close();
    EXPECT_TRUE(script.asked.isEmpty()); // nothing changed, nothing asked
    const UserSettingsValues &v = settings->values;
    EXPECT_EQ(v.left, w.frameGeometry().left());
    EXPECT_EQ(v.width, 950);
    EXPECT_EQ(v.height, 720);
    EXPECT_FALSE(v.maximized);
    EXPECT_TRUE(v.lockToolbars);
    EXPECT_EQ(v.recentProjects.value(0), QFileInfo(path).absolutePath().replace('/', QDir::separator())
                                             + QDir::separator() + "Kept");
    EXPECT_FALSE(settings->barState.isEmpty());
}

TEST_F(MainWindowTest, AWindowAtTheLeftEdgeKeepsTheStoredLeftAndMaximizedKeepsTheGeometry)
{
    settings->stored = true;
    settings->values.left = 123;
    settings->values.width = 1001;
    TfrmMain &w = start();
    w.move(0, 0);
    w.FormHide();
    EXPECT_EQ(settings->values.left, 123);
    w.showMaximized();
    settings->values.width = 1001;
    w.FormHide();
    EXPECT_TRUE(settings->values.maximized);
    EXPECT_EQ(settings->values.width, 1001);
}

TEST_F(MainWindowTest, TheBarLayoutComesBackAtTheNextStart)
{
    {
        TfrmMain &w = start();
        w.setToolBarShown(false);
        w.close();
    }
    window.reset();
    TfrmMain &again = start();
    EXPECT_TRUE(again.ToolBar->isHidden());
    EXPECT_FALSE(again.mnuToolBar->isChecked());
    EXPECT_FALSE(again.mnuPopUpToolBar->isChecked());
    EXPECT_TRUE(again.ControlBar->isHidden()); // only the designer shows it
}
