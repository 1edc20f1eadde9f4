#include "gui/app/UserSettings.h"

#include "core/project/MemorySettingsStore.h"

#include <gtest/gtest.h>

using namespace scribora::gui;
using scribora::project::MemorySettingsStore;

TEST(UserSettings, RoundTripsThroughTheEditorSettingsAndKeepsTheBarLayoutApart)
{
    auto store = std::make_shared<MemorySettingsStore>();
    auto settings = editorUserSettings(QStringLiteral("/prog/"), store);
    UserSettingsValues v;
    EXPECT_FALSE(settings->load(v));
    EXPECT_EQ(v.width, 705);
    EXPECT_EQ(v.defaultLanguage, "English");

    v.left = 12;
    v.lockToolbars = true;
    v.showNewProject = false;
    v.addRecentProject(QStringLiteral("/p/A"));
    v.addRecentProject(QStringLiteral("/p/B"));
    v.addRecentProject(QStringLiteral("/p/a"));
    EXPECT_EQ(v.recentProjects, QStringList({"/p/a", "/p/B"}));
    ASSERT_TRUE(settings->save(v));
    settings->saveBarState(QByteArray("\x00\x01layout", 8));

    UserSettingsValues back;
    ASSERT_TRUE(settings->load(back));
    EXPECT_EQ(back.left, 12);
    EXPECT_TRUE(back.lockToolbars);
    EXPECT_FALSE(back.showNewProject);
    EXPECT_EQ(back.recentProjects, QStringList({"/p/a", "/p/B"}));
    EXPECT_EQ(settings->loadBarState(), QByteArray("\x00\x01layout", 8));
    EXPECT_EQ(store->type(QStringLiteral("ToolBars"), QStringLiteral("Layout")), scribora::project::SettingsType::Binary);

    // A damaged key: the load reports it, so start-up applies neither the
    // wizard choice nor the lock.
    store->setValue(QString(), QStringLiteral("Left"), QStringLiteral("twelve"));
    UserSettingsValues damaged;
    EXPECT_FALSE(settings->load(damaged));
}
