#include "MainWindowFixture.h"

#include <QAction>
#include <QTreeWidget>

namespace {
QString folderOf(const QString &projectFile)
{
    return QDir::toNativeSeparators(QFileInfo(projectFile).absolutePath()) + QDir::separator();
}
const char *const kSaveQuestion = "question: Scribora: Do you want to save changes to the existing Project?";
const char *const kLoadError = "error: Scribora: There was an error loading the project.";
} // namespace

TEST_F(MainWindowTest, OpenAsksToSaveOnlyWhenSomethingChanged)
{
    const QString first = makeProject(QStringLiteral("First"));
    const QString second = makeProject(QStringLiteral("Second"));
    TfrmMain &w = start(first);

    script.paths << second;
    w.mnuOpenProjectClick();
    EXPECT_EQ(script.asked, QStringList({"openFile: Open Project"}));
    EXPECT_EQ(script.filters.value(0), "Menu Project Files (*.cdprj)|*.cdprj");
    EXPECT_EQ(w.tvProjectExplorer->topLevelItem(0)->text(0), "Second");
    EXPECT_EQ(pageName(), "TfrmApplicationGrid");

    // Changed: the question comes first; Yes saves before the dialog opens.
    script.asked.clear();
    state->dirty = true;
    state->log.clear();
    script.answers << true;
    script.paths << first;
    w.announceSave = false;
    w.mnuOpenProjectClick();
    EXPECT_EQ(script.asked, QStringList({kSaveQuestion, "openFile: Open Project"}));
    EXPECT_EQ(state->log.value(0), "saveConfig " + folderOf(second) + "Second.cdprj");
    EXPECT_EQ(w.tvProjectExplorer->topLevelItem(0)->text(0), "First");

    // Cancelling the dialog keeps the open project.
    script.asked.clear();
    w.mnuOpenProjectClick();
    EXPECT_EQ(script.asked, QStringList({"openFile: Open Project"}));
    EXPECT_TRUE(w.hasProject());
    EXPECT_EQ(w.statusText(), "Open Existing Project");
}

TEST_F(MainWindowTest, AFailedOpenReturnsToNoProject)
{
    const QString good = makeProject(QStringLiteral("Good"));
    const QString broken = makeProject(QStringLiteral("Broken"));
    TempDir::writeBytes(broken, "broken");
    const QString noStore = makeProject(QStringLiteral("NoStore"));
    QFile::remove(noStore.chopped(6) + ".cdc");
    for (const QString &bad : {broken, noStore}) {
        TfrmMain &w = start(good);
        script.asked.clear();
        script.paths << bad;
        w.mnuOpenProjectClick();
        EXPECT_EQ(script.asked.value(1), kLoadError);
        EXPECT_FALSE(w.hasProject());
        EXPECT_FALSE(w.mnuSaveProject->isEnabled());
        EXPECT_TRUE(w.ProjectExplorer->isHidden());
        EXPECT_EQ(w.currentPage(), nullptr);
        const QByteArray before = TempDir::readBytes(bad);
        w.mnuSaveProjectClick();
        EXPECT_EQ(TempDir::readBytes(bad), before);
    }
}

TEST_F(MainWindowTest, SaveWritesBothFilesPromotesTheDesignAndUpdatesTheRecentList)
{
    const QString path = makeProject(QStringLiteral("Saved"));
    const QString folder = folderOf(path);
    TfrmMain &w = start(path);
    TempDir::writeBytes(folder + "Menutemp.cfg", "working copy");
    state->log.clear();
    w.mnuSaveProjectClick();
    EXPECT_EQ(state->log, QStringList({"saveConfig " + folder + "Saved.cdprj", "copyConfigToDataStore",
                                       "saveDataStore " + folder + "Saved.cdc"}));
    EXPECT_EQ(script.asked, QStringList({"information: Scribora: The project files were saved to:\r\n" + folder}));
    EXPECT_EQ(TempDir::readBytes(folder + "Menu.cfg"), "working copy");
    EXPECT_FALSE(QFileInfo::exists(folder + "Menutemp.cfg"));
    EXPECT_EQ(settings->values.recentProjects, QStringList({folder + "Saved"}));
    EXPECT_EQ(w.mnuRecentFile[0]->text(), "&1 " + folder + "Saved");
    EXPECT_TRUE(w.mnuRecentProjects->isEnabled());
    EXPECT_EQ(pageName(), "TfrmApplicationGrid"); // the page is rebuilt

    // A quiet save says nothing; a failed data store save keeps the working copy.
    script.asked.clear();
    w.announceSave = false;
    TempDir::writeBytes(folder + "Menutemp.cfg", "newer");
    state->failDataStoreSave = true;
    settings->values.recentProjects.clear();
    w.mnuSaveProjectClick();
    EXPECT_TRUE(script.asked.isEmpty());
    EXPECT_EQ(TempDir::readBytes(folder + "Menutemp.cfg"), "newer");
    EXPECT_TRUE(settings->values.recentProjects.isEmpty());
}

TEST_F(MainWindowTest, OpeningFromTheDialogOrTheRecentListChecksTheDesignFiles)
{
    const QString old = makeProject(QStringLiteral("Old"), false);
    const QString folder = folderOf(old);
    TempDir::writeBytes(folder + "Menutemp.cfg", "stale");
    TfrmMain &w = start();
    script.paths << old;
    w.mnuOpenProjectClick();
    ASSERT_EQ(script.asked.size(), 2);
    EXPECT_TRUE(script.asked[1].startsWith("information: Scribora: Do to major changes in the Menu Designer,"));
    EXPECT_EQ(TempDir::readBytes(folder + "Menu.cfg"), "template");
    EXPECT_FALSE(QFileInfo::exists(folder + "Menutemp.cfg"));

    // A dropped project keeps its working copy.
    TempDir::writeBytes(folder + "Menutemp.cfg", "unsaved");
    script.asked.clear();
    w.WMDropFiles({old});
    EXPECT_TRUE(script.asked.isEmpty());
    EXPECT_TRUE(w.hasProject());
    EXPECT_EQ(TempDir::readBytes(folder + "Menutemp.cfg"), "unsaved");
}

TEST_F(MainWindowTest, RecentItemsOpenTheirProjectAndAMovedOneFailsButStays)
{
    const QString a = makeProject(QStringLiteral("Alpha"));
    settings->stored = true;
    settings->values.recentProjects = {a.chopped(6), folderOf(a) + "Gone"};
    TfrmMain &w = start();
    w.mnuRecentFile[0]->trigger();
    EXPECT_EQ(w.tvProjectExplorer->topLevelItem(0)->text(0), "Alpha");
    EXPECT_TRUE(script.asked.isEmpty());
    w.mnuRecentFile[1]->trigger();
    EXPECT_EQ(script.asked, QStringList({kLoadError}));
    EXPECT_FALSE(w.hasProject());
    EXPECT_TRUE(w.mnuRecentFile[1]->isVisible());
}

TEST_F(MainWindowTest, CloseAsksOnlyWhenChangedAndLeavesNoProject)
{
    const QString path = makeProject(QStringLiteral("Closing"));
    struct Case { bool dirty; bool answer; QStringList asked; bool saved; } cases[] = {
        {false, true, {}, false},
        {true, false, {kSaveQuestion}, false},
        {true, true, {kSaveQuestion, "information: Scribora: The project files were saved to:\r\n" + folderOf(path)}, true},
    };
    for (const Case &c : cases) {
        TfrmMain &w = start(path);
        script.asked.clear();
        state->log.clear();
        state->dirty = c.dirty;
        script.answers << c.answer;
        w.mnuCloseProjectClick();
        script.answers.clear();
        EXPECT_EQ(script.asked, c.asked);
        EXPECT_EQ(state->log.contains("saveDataStore " + folderOf(path) + "Closing.cdc"), c.saved);
        EXPECT_FALSE(w.hasProject());
        EXPECT_TRUE(w.ProjectExplorer->isHidden());
        EXPECT_EQ(w.currentPage(), nullptr);
        EXPECT_FALSE(w.explorerActive());
        EXPECT_EQ(w.statusText(), "");
    }
}

TEST_F(MainWindowTest, ExitAsksOnlyWhenChanged)
{
    const QString path = makeProject(QStringLiteral("Exiting"));
    for (bool dirty : {false, true}) {
        TfrmMain &w = start(path);
        script.asked.clear();
        state->dirty = dirty;
        w.close();
        EXPECT_EQ(script.asked.size(), dirty ? 1 : 0);
        window.reset();
    }
}
