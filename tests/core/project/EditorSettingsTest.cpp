#include "core/project/EditorSettings.h"
#include "core/project/FileSettingsStore.h"
#include "core/project/MemorySettingsStore.h"

#include "QStringPrinter.h"
#include "support/TempDir.h"

#include <QDir>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace scribora::project;

namespace {

QString programFolder(const TempDir &dir)
{
    return QDir::toNativeSeparators(dir.path()) + QDir::separator();
}

const QStringList TenValues = {
    QStringLiteral("DefaultLanguage"), QStringLiteral("DefaultProjectPath"), QStringLiteral("Height"),
    QStringLiteral("Left"),            QStringLiteral("LockToolbars"),       QStringLiteral("Maximized"),
    QStringLiteral("RecentFile0"),     QStringLiteral("ShowNewProject"),     QStringLiteral("Top"),
    QStringLiteral("Width")};

} // namespace

TEST(EditorSettings, NoKeyLeavesDefaultsAndFirstSaveWritesEveryValue)
{
    TempDir dir;
    auto store = std::make_shared<MemorySettingsStore>();
    EditorSettings s(programFolder(dir), store);
    EXPECT_FALSE(s.Load());
    EXPECT_EQ(s.Left(), 0);
    EXPECT_EQ(s.Top(), 0);
    EXPECT_EQ(s.Width(), 705);
    EXPECT_EQ(s.Height(), 496);
    EXPECT_FALSE(s.Maximized());
    EXPECT_EQ(s.DefaultProjectPath(), programFolder(dir));
    EXPECT_TRUE(s.recentProjects().isEmpty());
    EXPECT_TRUE(s.ShowNewProject());
    EXPECT_EQ(s.DefaultLanguage(), QStringLiteral("English"));
    EXPECT_FALSE(s.LockToolbars());

    s.AddRecentProject(QStringLiteral("/p/A"));
    ASSERT_TRUE(s.Save());
    EXPECT_EQ(store->valueNames(QString()), TenValues);
    const auto types = [&](SettingsType t) {
        QStringList names;
        for (const QString &n : store->valueNames(QString()))
            if (store->type(QString(), n) == t)
                names.append(n);
        return names;
    };
    EXPECT_EQ(types(SettingsType::String),
              (QStringList{QStringLiteral("DefaultLanguage"), QStringLiteral("DefaultProjectPath"),
                           QStringLiteral("RecentFile0")}));
    EXPECT_EQ(store->value(QString(), QStringLiteral("ShowNewProject")), SettingsValue(qint32(1)));
}

TEST(EditorSettings, RoundTripThroughTheFileStore)
{
    TempDir dir;
    const QString file = dir.file(QStringLiteral("cfg/50.json"));
    {
        EditorSettings s(programFolder(dir), std::make_shared<FileSettingsStore>(file));
        s.setLeft(-12);
        s.setTop(40);
        s.setWidth(1000);
        s.setHeight(800);
        s.setMaximized(true);
        s.setDefaultProjectPath(QStringLiteral("/home/u/Projects/"));
        s.setShowNewProject(false);
        s.setDefaultLanguage(QStringLiteral("Español"));
        s.setLockToolbars(true);
        for (const char *p : {"/a", "/b", "/c"})
            s.AddRecentProject(QString::fromLatin1(p));
        ASSERT_TRUE(s.Save());
    }
    EditorSettings t(QString(), std::make_shared<FileSettingsStore>(file));
    ASSERT_TRUE(t.Load());
    EXPECT_EQ(t.Left(), -12);
    EXPECT_EQ(t.Top(), 40);
    EXPECT_EQ(t.Width(), 1000);
    EXPECT_EQ(t.Height(), 800);
    EXPECT_TRUE(t.Maximized());
    EXPECT_EQ(t.DefaultProjectPath(), QStringLiteral("/home/u/Projects/"));
    EXPECT_FALSE(t.ShowNewProject());
    EXPECT_EQ(t.DefaultLanguage(), QStringLiteral("Español"));
    EXPECT_TRUE(t.LockToolbars());
    EXPECT_EQ(t.recentProjects(), (QStringList{QStringLiteral("/c"), QStringLiteral("/b"), QStringLiteral("/a")}));
}

TEST(EditorSettings, RecentList)
{
    struct Case { QStringList added; QStringList expected; };
    const Case cases[] = {
        {{"C:\\P\\A", "C:\\P\\B", "C:\\P\\a"}, {"C:\\P\\a", "C:\\P\\B"}},
        {{"1", "2", "3", "4", "5", "6"}, {"6", "5", "4", "3", "2"}},
        {{"1", "2", "3", "4", "5", "3"}, {"3", "5", "4", "2", "1"}},
        {{"Ä", "ä"}, {"ä"}},
    };
    for (const Case &c : cases) {
        EditorSettings s(QString(), std::make_shared<MemorySettingsStore>());
        for (const QString &p : c.added)
            s.AddRecentProject(p);
        EXPECT_EQ(s.recentProjects(), c.expected) << c.added.join(' ').toStdString();
    }
}

TEST(EditorSettings, LoadReadsWhatIsThere)
{
    auto store = std::make_shared<MemorySettingsStore>();
    for (const char *n : {"Left", "Top", "Width", "Height", "Maximized"})
        store->setValue(QString(), QString::fromLatin1(n), qint32(3));
    store->setValue(QString(), QStringLiteral("RecentFile0"), QString());
    store->setValue(QString(), QStringLiteral("RecentFile2"), QStringLiteral("/two"));
    store->setValue(QString(), QStringLiteral("RecentFile4"), QStringLiteral("/four"));
    store->setValue(QString(), QStringLiteral("DefaultProjectPath"), QString());

    EditorSettings s(QStringLiteral("/prog/"), store);
    ASSERT_TRUE(s.Load());
    EXPECT_TRUE(s.Maximized());
    EXPECT_EQ(s.recentProjects(), (QStringList{QStringLiteral("/two"), QStringLiteral("/four")}));
    // Missing and empty values keep their defaults.
    EXPECT_EQ(s.DefaultLanguage(), QStringLiteral("English"));
    EXPECT_TRUE(s.ShowNewProject());
    EXPECT_FALSE(s.LockToolbars());

    // Saving a shorter list removes the entries beyond it, so they cannot come back.
    s.AddRecentProject(QStringLiteral("/four"));
    ASSERT_TRUE(s.Save());
    EditorSettings t(QStringLiteral("/prog/"), store);
    ASSERT_TRUE(t.Load());
    EXPECT_EQ(t.recentProjects(), (QStringList{QStringLiteral("/four"), QStringLiteral("/two")}));
}

TEST(EditorSettings, ValueOfTheWrongTypeFailsTheLoad)
{
    struct Case { const char *name; SettingsValue value; };
    const Case cases[] = {
        {"Left", QStringLiteral("10")},
        {"Maximized", QByteArray("\x01")},
        {"Height", SettingsValue()},
        {"RecentFile1", qint32(5)},
        {"DefaultLanguage", qint32(5)},
        {"ShowNewProject", QStringLiteral("0")},
        {"LockToolbars", QStringLiteral("1")},
    };
    for (const Case &c : cases) {
        auto store = std::make_shared<MemorySettingsStore>();
        {
            EditorSettings good(QString(), store);
            good.setWidth(900);
            good.setShowNewProject(false);
            good.setDefaultLanguage(QStringLiteral("Dansk"));
            ASSERT_TRUE(good.Save());
        }
        store->setValue(QString(), QString::fromLatin1(c.name), c.value);
        EditorSettings s(QString(), store);
        EXPECT_FALSE(s.Load()) << c.name;
        // The integers before the bad value were read; nothing after it was.
        if (QByteArray(c.name) != "Left" && QByteArray(c.name) != "Height") {
            EXPECT_EQ(s.Width(), 900) << c.name;
        }
        EXPECT_TRUE(s.ShowNewProject()) << c.name;
    }
}

TEST(EditorSettings, FileStoreKeepsOtherWritersValues)
{
    TempDir dir;
    const QString file = dir.file(QStringLiteral("50.json"));
    FileSettingsStore early(file);
    {
        FileSettingsStore bars(file);
        ASSERT_TRUE(bars.setValue(QStringLiteral("ToolBars"), QStringLiteral("State"), QByteArray("\0\xFF", 2)));
        ASSERT_TRUE(bars.flush());
    }
    EditorSettings s(QString(), std::make_shared<FileSettingsStore>(file));
    ASSERT_TRUE(s.Save());
    early.setValue(QString(), QStringLiteral("Left"), QStringLiteral("not a number"));
    ASSERT_TRUE(early.flush());

    FileSettingsStore after(file);
    EXPECT_EQ(after.value(QStringLiteral("toolbars"), QStringLiteral("STATE")), SettingsValue(QByteArray("\0\xFF", 2)));
    EXPECT_EQ(after.type(QString(), QStringLiteral("Left")), SettingsType::String);
    EXPECT_EQ(after.type(QString(), QStringLiteral("Width")), SettingsType::Integer);
    EXPECT_EQ(after.subKeys(QString()), QStringList{QStringLiteral("ToolBars")});
    EXPECT_FALSE(EditorSettings(QString(), std::make_shared<FileSettingsStore>(file)).Load());
}

TEST(EditorSettings, DefaultProjectPath)
{
    TempDir dir;
    EXPECT_EQ(EditorSettings::defaultProjectPathFor(programFolder(dir)), programFolder(dir));
    // Without the trailing separator the path gets one.
    EXPECT_EQ(EditorSettings::defaultProjectPathFor(dir.path()), programFolder(dir));

    const QString documents = QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const QString fallback = (documents.isEmpty() ? QDir::toNativeSeparators(QDir::homePath()) : documents)
                             + QDir::separator() + QStringLiteral("Scribora Projects") + QDir::separator();
    EXPECT_EQ(EditorSettings::defaultProjectPathFor(dir.file(QStringLiteral("missing/"))), fallback);
    EXPECT_EQ(EditorSettings::defaultProjectPathFor(QString()), fallback);
}

TEST(EditorSettings, OverrideReplacesTheUserStore)
{
    auto store = std::make_shared<MemorySettingsStore>();
    overrideUserSettingsStore(store);
    {
        EditorSettings s{QString()};
        s.setLeft(77);
        ASSERT_TRUE(s.Save());
    }
    overrideUserSettingsStore(nullptr);
    EXPECT_EQ(store->value(QString(), QStringLiteral("Left")), SettingsValue(qint32(77)));
    EXPECT_NE(userSettingsStore(), store);
}

TEST(EditorSettings, UnreadableFileActsAsNoKeyAndSaveRepairsIt)
{
    TempDir dir;
    const QString file = dir.file(QStringLiteral("50.json"));
    ASSERT_TRUE(TempDir::writeBytes(file, "{ not json"));
    EditorSettings s(QString(), std::make_shared<FileSettingsStore>(file));
    EXPECT_FALSE(s.Load());
    EXPECT_EQ(s.Width(), 705);
    ASSERT_TRUE(s.Save());
    EXPECT_TRUE(EditorSettings(QString(), std::make_shared<FileSettingsStore>(file)).Load());
}

TEST(EditorSettings, SaveReportsAStoreThatCannotBeWritten)
{
    TempDir dir;
    // A file stands where the store's folder would have to be.
    const QString blocker = dir.file(QStringLiteral("blocker"));
    ASSERT_TRUE(TempDir::writeBytes(blocker, "x"));
    EditorSettings s(QString(), std::make_shared<FileSettingsStore>(blocker + QStringLiteral("/50.json")));
    EXPECT_FALSE(s.Save());
    EXPECT_EQ(TempDir::readBytes(blocker), QByteArray("x"));
}
