#include "gui/app/TfrmMain.h"
#include "gui/app/UserSettings.h"

#include "core/project/DataStore.h"
#include "core/project/MemorySettingsStore.h"
#include "core/project/ProjectConfig.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTreeWidget>

using namespace scribora::gui;

namespace {

// A working copy of the sample project, its paths pointing at the copy.
QString copySample(const TempDir &dir)
{
    const QString from = QStringLiteral(SCRIBORA_SOURCE_DIR "/examples/Sample");
    const QString to = dir.file(QStringLiteral("Sample"));
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QByteArray bytes = TempDir::readBytes(source);
        bytes.replace("@SAMPLE@", QDir::toNativeSeparators(to).toLocal8Bit());
        TempDir::writeBytes(target, bytes);
    }
    return QDir::toNativeSeparators(to + QStringLiteral("/Sample.cdprj"));
}

} // namespace

TEST(SampleProject, OpenSaveCloseReopenFromTheRecentListAndQuit)
{
    TempDir work, program;
    const QString project = copySample(work);
    const QString folder = QFileInfo(project).absolutePath().replace('/', QDir::separator()) + QDir::separator();
    TempDir::writeBytes(folder + "Menu.cfg", "design");
    const QString appPath = QDir::toNativeSeparators(program.path()) + QDir::separator();
    auto store = std::make_shared<scribora::project::MemorySettingsStore>();
    ScriptedPrompter script;

    auto options = [&] {
        TfrmMain::Options o;
        o.appPath = appPath;
        o.showSplash = false;
        o.registerFileType = false;
        o.settings = editorUserSettings(appPath, store);
        return o;
    };

    {
        TfrmMain w(options());
        w.show();
        script.paths << project;
        w.mnuOpenProjectClick();
        ASSERT_TRUE(w.hasProject()) << script.asked.join('\n').toStdString();
        EXPECT_EQ(w.tvProjectExplorer->topLevelItem(0)->text(0), "Sample");
        EXPECT_EQ(w.dataStore()->RecordCount(), 4);
        EXPECT_FALSE(w.project().isDirty());

        w.mnuSaveProjectClick();
        EXPECT_EQ(script.asked.last(), "information: Scribora: The project files were saved to:\r\n" + folder);
        EXPECT_EQ(w.mnuRecentFile[0]->text(), "&1 " + folder + "Sample");

        w.mnuCloseProjectClick();
        EXPECT_FALSE(w.hasProject());
        w.mnuRecentFile[0]->trigger();
        ASSERT_TRUE(w.hasProject());
        EXPECT_EQ(w.dataStore()->RecordCount(), 4);
        w.resize(1010, 777);
        w.mnuPopUpLock->trigger();
        w.close();
    }
    // The next start finds the window as it was left.
    TfrmMain again(options());
    again.show();
    EXPECT_EQ(again.size(), QSize(1010, 777));
    EXPECT_TRUE(again.toolBarsLocked());
    EXPECT_EQ(again.mnuRecentFile[0]->data().toString(), folder + "Sample");
    EXPECT_TRUE(store->keyExists(QStringLiteral("ToolBars")));
}
