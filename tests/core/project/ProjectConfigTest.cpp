#include "core/project/ProjectConfig.h"

#include "QStringPrinter.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using scribora::project::ProjectConfig;

namespace {

const QByteArray DefaultSampler =
    "SCRIBORA PROJECT FILE, Format Version 5.03\r\n"
    "WARNING: DO NOT EDIT OR DELETE THIS PROJECT FILE!\r\n"
    "\r\n"
    "[Version]\r\n5.03\r\n\r\n"
    "[Name]\r\nSampler\r\n\r\n"
    "[Icon File]\r\n\r\n\r\n"
    "[Search Directory]\r\n\r\n\r\n"
    "[Menu Type]\r\n\r\n\r\n"
    "[Has Zip Support]\r\n1\r\n\r\n"
    "[File Types]\r\nbat\r\ndoc\r\nexe\r\nhtm\r\nhtml\r\nmp3\r\npdf\r\nrar\r\ntxt\r\nwav\r\nzip\r\n\r\n"
    "[Categories]\r\nAutomation\r\nCommunications\r\nCompression\r\nDocuments\r\nEmail\r\nGames\r\n"
    "Internet\r\nUtilities\r\nWindows\r\n\r\n"
    "[Language]\r\n\r\n\r\n"
    "[Has RAR Support]\r\n1\r\n\r\n"
    "[Auto Assign Picture]\r\n0\r\n\r\n"
    "[Include Directory In Name]\r\n0\r\n\r\n"
    "[About.txt As Exe Description]\r\n0\r\n\r\n"
    "[Do Not List About.txt Files]\r\n0\r\n\r\n"
    "[Project Type]\r\n0\r\n\r\n"
    "[Search Sub Directories]\r\n1\r\n\r\n";

QString folderOf(const TempDir &dir)
{
    return QDir::toNativeSeparators(dir.path()) + QDir::separator();
}

// An old-format file with every section present, so that the test shows which
// ones the reader skips.
QByteArray fileOfVersion(const QByteArray &version)
{
    return "SCRIBORA PROJECT FILE, Format Version " + version + "\r\n\r\n"
           "[Version]\r\n" + version + "\r\n\r\n"
           "[Name]\r\nOld\r\n\r\n"
           "[Icon File]\r\nC:\\i.ico\r\n\r\n"
           "[Search Directory]\r\nC:\\s\r\n\r\n"
           "[Menu Type]\r\nList\r\n\r\n"
           "[Has Zip Support]\r\n0\r\n\r\n"
           "[File Types]\r\nexe\r\n\r\n"
           "[Categories]\r\nGames\r\n\r\n"
           "[Language]\r\nDeutsch\r\n\r\n"
           "[Has RAR Support]\r\n0\r\n\r\n"
           "[Auto Assign Picture]\r\n1\r\n\r\n"
           "[Include Directory In Name]\r\n1\r\n\r\n"
           "[About.txt As Exe Description]\r\n1\r\n\r\n"
           "[Do Not List About.txt Files]\r\n1\r\n\r\n"
           "[Project Type]\r\n7\r\n\r\n"
           "[Search Sub Directories]\r\n0\r\n\r\n";
}

} // namespace

TEST(ProjectConfig, DefaultConfigurationSavesByteExact)
{
    TempDir dir;
    ProjectConfig config;
    EXPECT_FALSE(config.IsDirty());
    config.setName(QStringLiteral("Sampler"));
    config.setFolder(folderOf(dir));
    EXPECT_TRUE(config.IsDirty());

    ASSERT_TRUE(config.Save(config.projectFilePath()));
    EXPECT_FALSE(config.IsDirty());
    EXPECT_TRUE(config.errors().isEmpty());
    EXPECT_EQ(TempDir::readBytes(dir.file(QStringLiteral("Sampler.cdprj"))), DefaultSampler);
}

TEST(ProjectConfig, SampleProjectResavesUnchanged)
{
    TempDir dir;
    const QByteArray sample =
        TempDir::readBytes(QStringLiteral(SCRIBORA_SOURCE_DIR "/examples/Sample/Sample.cdprj"));
    ASSERT_FALSE(sample.isEmpty());
    const QString path = dir.file(QStringLiteral("Sample.cdprj"));
    ASSERT_TRUE(TempDir::writeBytes(path, sample));
    ProjectConfig config;
    ASSERT_TRUE(config.Load(path));
    EXPECT_FALSE(config.IsDirty());
    ASSERT_TRUE(config.Save(path));
    EXPECT_EQ(TempDir::readBytes(path), sample);
}

TEST(ProjectConfig, RoundTripKeepsEveryValue)
{
    TempDir dir;
    ProjectConfig a;
    a.setName(QStringLiteral("Café"));
    a.setFolder(folderOf(dir));
    a.setIconFile(QStringLiteral("C:\\Icons\\disc.ico"));
    a.setSearchDirectory(QStringLiteral("D:\\Stuff"));
    a.setMenuType(QStringLiteral("Blue Menu"));
    a.setLanguage(QStringLiteral("Français"));
    a.setHasZipSupport(false);
    a.setHasRarSupport(false);
    a.setAutoAssignPicture(true);
    a.setIncludeDirectoryInName(true);
    a.setAboutTxtAsExeDescription(true);
    a.setDoNotListAboutTxtFiles(true);
    a.setSearchSubDirectories(false);
    a.setProjectType(-3);
    a.setFileTypes({QStringLiteral("pdf"), QStringLiteral("EXE"), QStringLiteral("exe"), QString()});
    a.setCategories({});
    ASSERT_TRUE(a.Save(a.projectFilePath()));

    ProjectConfig b;
    ASSERT_TRUE(b.Load(a.projectFilePath()));
    EXPECT_FALSE(b.IsDirty());
    EXPECT_EQ(b.version(), QStringLiteral("5.03"));
    EXPECT_EQ(b.name(), a.name());
    EXPECT_EQ(b.folder(), folderOf(dir));
    EXPECT_EQ(b.iconFile(), a.iconFile());
    EXPECT_EQ(b.searchDirectory(), a.searchDirectory());
    EXPECT_EQ(b.menuType(), a.menuType());
    EXPECT_EQ(b.language(), a.language());
    EXPECT_FALSE(b.hasZipSupport());
    EXPECT_FALSE(b.hasRarSupport());
    EXPECT_TRUE(b.autoAssignPicture());
    EXPECT_TRUE(b.includeDirectoryInName());
    EXPECT_TRUE(b.aboutTxtAsExeDescription());
    EXPECT_TRUE(b.doNotListAboutTxtFiles());
    EXPECT_FALSE(b.searchSubDirectories());
    EXPECT_EQ(b.projectType(), -3);
    EXPECT_EQ(b.fileTypes(), (QStringList{QStringLiteral("EXE"), QStringLiteral("pdf")}));
    EXPECT_TRUE(b.categories().isEmpty());

    // The empty list is the header followed directly by the line that ends it.
    const QByteArray bytes = TempDir::readBytes(a.projectFilePath());
    EXPECT_TRUE(bytes.contains("[Categories]\r\n\r\n[Language]\r\nFran\xE7" "ais\r\n"));
    EXPECT_TRUE(bytes.contains("[Name]\r\nCaf\xE9\r\n"));
}

TEST(ProjectConfig, ListsStaySortedWithoutCaseDuplicates)
{
    ProjectConfig config;
    config.setCategories({QStringLiteral("zeta"), QStringLiteral("Alpha"), QStringLiteral("beta"),
                          QStringLiteral("ALPHA"), QStringLiteral("Émile"), QStringLiteral("écran")});
    EXPECT_EQ(config.categories(),
              (QStringList{QStringLiteral("Alpha"), QStringLiteral("beta"), QStringLiteral("zeta"),
                           QStringLiteral("écran"), QStringLiteral("Émile")}));

    QStringList types = config.fileTypes();
    ProjectConfig::addSorted(types, QStringLiteral("EXE"));
    EXPECT_EQ(types, config.fileTypes());
}

TEST(ProjectConfig, OldFormatsTakeTheValuesOfTheirTime)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("Old.cdprj"));

    ASSERT_TRUE(TempDir::writeBytes(path, fileOfVersion("4.02")));
    ProjectConfig c;
    ASSERT_TRUE(c.Load(path));
    EXPECT_EQ(c.version(), QStringLiteral("4.02"));
    EXPECT_TRUE(c.IsDirty());
    EXPECT_EQ(c.language(), QStringLiteral("Deutsch"));
    EXPECT_FALSE(c.hasRarSupport());
    EXPECT_TRUE(c.autoAssignPicture());
    EXPECT_FALSE(c.includeDirectoryInName());
    EXPECT_FALSE(c.aboutTxtAsExeDescription());
    EXPECT_FALSE(c.doNotListAboutTxtFiles());
    EXPECT_EQ(c.projectType(), 0);
    EXPECT_TRUE(c.searchSubDirectories());
    EXPECT_EQ(c.fileTypes(), QStringList{QStringLiteral("exe")});
    EXPECT_EQ(c.categories(), QStringList{QStringLiteral("Games")});
    EXPECT_FALSE(c.hasZipSupport());

    // Byte order, not numbers: 4.10 sorts above 4.04, so all sections up to 5.0 are read.
    ASSERT_TRUE(TempDir::writeBytes(path, fileOfVersion("4.10")));
    ProjectConfig d;
    ASSERT_TRUE(d.Load(path));
    EXPECT_TRUE(d.doNotListAboutTxtFiles());
    EXPECT_EQ(d.projectType(), 0);
    EXPECT_TRUE(d.searchSubDirectories());

    ASSERT_TRUE(TempDir::writeBytes(path, fileOfVersion("5.0")));
    ProjectConfig e;
    ASSERT_TRUE(e.Load(path));
    EXPECT_EQ(e.projectType(), 7);
    EXPECT_TRUE(e.searchSubDirectories());
    EXPECT_TRUE(e.IsDirty());

    // Saving upgrades the file to the current format.
    ASSERT_TRUE(e.Save(path));
    ProjectConfig f;
    ASSERT_TRUE(f.Load(path));
    EXPECT_FALSE(f.IsDirty());
    EXPECT_EQ(f.version(), QStringLiteral("5.03"));
    EXPECT_EQ(f.projectType(), 7);
}

TEST(ProjectConfig, LanguageOfOldFiles)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("L.cdprj"));
    struct Case { QByteArray file; QString language; };
    const Case cases[] = {
        {"[Version]\r\n3.00\r\n\r\n[Language]\r\nDeutsch\r\n\r\n", QStringLiteral("English")},
        {"[Version]\r\n3.01\r\n\r\n[Name]\r\nX\r\n\r\n", QString()},
        {"[Version]\r\n3.01\r\n\r\n[Language]\r\n  Deutsch \r\n\r\n", QStringLiteral("  Deutsch ")},
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(TempDir::writeBytes(path, c.file));
        ProjectConfig config;
        ASSERT_TRUE(config.Load(path)) << c.file.constData();
        EXPECT_EQ(config.language(), c.language) << c.file.constData();
    }
}

TEST(ProjectConfig, ReadingRules)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("R.cdprj"));

    // Blanks around text values go; a missing list is empty, not the defaults.
    ASSERT_TRUE(TempDir::writeBytes(path, "[Version]\r\n 5.03 \r\n\r\n[Name]\r\n  Spaced Out \t\r\n\r\n"
                                          "[Menu Type]\r\n Grid\r\n\r\n"));
    ProjectConfig a;
    ASSERT_TRUE(a.Load(path));
    EXPECT_EQ(a.version(), QStringLiteral("5.03"));
    EXPECT_EQ(a.name(), QStringLiteral("Spaced Out"));
    EXPECT_EQ(a.menuType(), QStringLiteral("Grid"));
    EXPECT_TRUE(a.iconFile().isEmpty());
    EXPECT_TRUE(a.fileTypes().isEmpty());
    EXPECT_TRUE(a.categories().isEmpty());
    EXPECT_TRUE(a.hasZipSupport());

    // No version: the current one is assumed; LF-only lines read the same; a list
    // that runs to the end of the text keeps its last line.
    ASSERT_TRUE(TempDir::writeBytes(path, "\n[Name]\nUnix\n\n[File Types]\nexe\nzip"));
    ProjectConfig b;
    ASSERT_TRUE(b.Load(path));
    EXPECT_EQ(b.version(), QStringLiteral("5.03"));
    EXPECT_FALSE(b.IsDirty());
    EXPECT_EQ(b.name(), QStringLiteral("Unix"));
    EXPECT_EQ(b.fileTypes(), (QStringList{QStringLiteral("exe"), QStringLiteral("zip")}));

    // Blanks are written as they are and dropped when read back.
    ProjectConfig c;
    c.setName(QStringLiteral("  Pad "));
    c.setMenuType(QStringLiteral(" List"));
    ASSERT_TRUE(c.Save(path));
    EXPECT_TRUE(TempDir::readBytes(path).contains("[Name]\r\n  Pad \r\n"));
    ProjectConfig d;
    ASSERT_TRUE(d.Load(path));
    EXPECT_EQ(d.name(), QStringLiteral("Pad"));
    EXPECT_EQ(d.menuType(), QStringLiteral("List"));
}

TEST(ProjectConfig, LoadFailures)
{
    TempDir dir;
    ProjectConfig config;
    EXPECT_FALSE(config.Load(QString()));
    EXPECT_TRUE(config.errors().isEmpty());

    EXPECT_FALSE(config.Load(dir.file(QStringLiteral("missing.cdprj"))));
    EXPECT_EQ(config.errors().Text(), QStringLiteral("Unable to open Project file.\r\n"));

    // A bad number fails the load; what was read before it stays.
    const QString path = dir.file(QStringLiteral("Bad.cdprj"));
    QByteArray bad = DefaultSampler;
    bad.replace("[Project Type]\r\n0\r\n", "[Project Type]\r\nx\r\n");
    ASSERT_TRUE(TempDir::writeBytes(path, bad));
    EXPECT_FALSE(config.Load(path));
    EXPECT_TRUE(config.errors().Text().contains(QLatin1String("'x'")));
    EXPECT_EQ(config.name(), QStringLiteral("Sampler"));

    ASSERT_TRUE(TempDir::writeBytes(path, DefaultSampler));
    EXPECT_TRUE(config.Load(path));
    EXPECT_TRUE(config.errors().isEmpty());
}

TEST(ProjectConfig, SaveCreatesMissingFolderAndKeepsValuesOnOneLine)
{
    TempDir dir;
    ProjectConfig config;
    config.setName(QStringLiteral("Deep"));
    config.setFolder(folderOf(dir) + QStringLiteral("a") + QDir::separator() + QStringLiteral("b") +
                     QDir::separator());
    // A line break in a value would shift every section after it.
    config.setIconFile(QStringLiteral("two\r\nlines"));
    ASSERT_TRUE(config.Save(config.projectFilePath())) << config.errors().Text().toStdString();

    ProjectConfig back;
    ASSERT_TRUE(back.Load(config.projectFilePath()));
    EXPECT_EQ(back.iconFile(), QStringLiteral("two  lines"));
    EXPECT_EQ(back.searchDirectory(), QString());
    EXPECT_EQ(back.fileTypes(), ProjectConfig().fileTypes());

    ProjectConfig none;
    none.setName(QStringLiteral("x"));
    EXPECT_TRUE(none.Save(QString()));
    EXPECT_TRUE(none.IsDirty());
}

TEST(ProjectConfig, FailedSaveLeavesTheOldFileAsItWas)
{
    TempDir dir;
    // The longest name the file system takes: the old file exists, but there is no
    // room for a temporary name beside it, so the save fails even for root.
    const QString name = QString(249, QLatin1Char('n'));
    const QString path = dir.file(name + QStringLiteral(".cdprj"));
    const QByteArray old = "old project bytes\r\n";
    ASSERT_TRUE(TempDir::writeBytes(path, old));

    ProjectConfig config;
    config.setName(name);
    config.setFolder(folderOf(dir));
    EXPECT_FALSE(config.Save(path));
    EXPECT_TRUE(config.IsDirty());
    // Where the temporary is made at commit, it is the old file that cannot be
    // replaced; elsewhere the new file cannot be created.
    EXPECT_TRUE(config.errors().Text() == QStringLiteral("Unable to remove the old Project File\r\n")
                || config.errors().Text() == QStringLiteral("Unable to create the new Project File\r\n"))
        << config.errors().Text().toStdString();
    EXPECT_EQ(TempDir::readBytes(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    // A target that is a folder cannot be replaced either.
    const QString folderTarget = dir.file(QStringLiteral("Folder.cdprj"));
    ASSERT_TRUE(QDir().mkdir(folderTarget));
    EXPECT_FALSE(config.Save(folderTarget));
    EXPECT_FALSE(config.errors().isEmpty());
    EXPECT_TRUE(QFileInfo(folderTarget).isDir());
}
