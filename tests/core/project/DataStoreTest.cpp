#include "core/project/DataStore.h"
#include "core/project/ProgressSink.h"
#include "core/text/InternetDate.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using scribora::project::ApplicationRecord;
using scribora::project::DataStore;
using scribora::project::ProgressSink;

namespace {

const QDateTime kBuild(QDate(2005, 3, 5), QTime(14, 7, 9), Qt::LocalTime);

QByteArray bdField(const QDateTime &t)
{
    return "BD\r\n" + scribora::text::toInternetDate(t).toLatin1() + "/BD\r\n";
}

// A progress sink that records what it was told.
struct RecordingSink : ProgressSink
{
    QStringList events;
    void begin(const QString &caption, qsizetype total) override
    {
        events << QStringLiteral("begin %1 %2").arg(caption).arg(total);
    }
    void setTotal(qsizetype total) override { events << QStringLiteral("total %1").arg(total); }
    void step() override { events << QStringLiteral("step"); }
    void end() override { events << QStringLiteral("end"); }
};

} // namespace

TEST(DataStore, NewStoreSavesTheDefaultHeader)
{
    TempDir dir;
    DataStore store;
    const QString path = dir.file("Empty.cdc");
    ASSERT_TRUE(store.Save(path)) << store.ErrorText().toStdString();
    const QByteArray expected = "VS\r\n5.04/VS\r\nBR\r\n0/BR\r\nHS\r\n1/HS\r\nZS\r\n1/ZS\r\n"
                                "AC\r\n0/AC\r\nICF\r\n/ICF\r\nRS\r\n1/RS\r\n"
                                + bdField(store.BuildDate());
    EXPECT_EQ(TempDir::readBytes(path), expected);
    EXPECT_EQ(store.ErrorText(), QString());
}

TEST(DataStore, WritesRecordsByteForByte)
{
    TempDir dir;
    DataStore store;
    store.AddRecord(QStringLiteral("C:\\Apps\\Tool.exe"), QStringLiteral("..\\Apps\\Tool.exe"),
                    QStringLiteral("Tool"), QStringLiteral("Line one\r\nLine two \u00e9\u20ac\u4e2d"),
                    QStringLiteral("Utilities"), true, QStringLiteral("C:\\Pics\\tool.bmp"), true,
                    QStringLiteral("Viewer"), QStringLiteral("C:\\Viewers\\setup.exe"));
    store.AddRecord(QString(), QString(), QString(), QString(), QString(), false, QString(), false,
                    QString(), QString());
    store.SetBrFlag(true);
    store.SetHasCategories(false);
    store.SetZipSupport(false);
    store.SetRarSupport(false);
    store.SetIconFile(QStringLiteral("C:\\Icons\\disc.ico"));
    store.SetBuildDate(kBuild);
    ASSERT_TRUE(store.IsModified());
    const QString path = dir.file("Two.cdc");
    ASSERT_TRUE(store.Save(path));
    EXPECT_FALSE(store.IsModified());

    const QByteArray expected =
        "VS\r\n5.04/VS\r\nBR\r\n1/BR\r\nHS\r\n0/HS\r\nZS\r\n0/ZS\r\nAC\r\n2/AC\r\n"
        "VS\r\n5.03/VS\r\nAT\r\nTool/AT\r\nAC\r\nUtilities/AC\r\n"
        "ACT\r\nLine one\r\nLine two \xe9\x80?/ACT\r\nAP\r\nC:\\Apps\\Tool.exe/AP\r\n"
        "ACP\r\n..\\Apps\\Tool.exe/ACP\r\nIM\r\n1/IM\r\nAPP\r\nC:\\Pics\\tool.bmp/APP\r\n"
        "AIP\r\n/AIP\r\nAIVA\r\n1/AIVA\r\nAIVAN\r\nViewer/AIVAN\r\n"
        "AIVAP\r\nC:\\Viewers\\setup.exe/AIVAP\r\n"
        "VS\r\n5.03/VS\r\nAT\r\n/AT\r\nAC\r\n/AC\r\nACT\r\n/ACT\r\nAP\r\n/AP\r\nACP\r\n/ACP\r\n"
        "IM\r\n0/IM\r\nAPP\r\n/APP\r\nAIP\r\n/AIP\r\nAIVA\r\n0/AIVA\r\nAIVAN\r\n/AIVAN\r\n"
        "AIVAP\r\n/AIVAP\r\n"
        "ICF\r\nC:\\Icons\\disc.ico/ICF\r\nRS\r\n0/RS\r\n"
        + bdField(kBuild);
    EXPECT_EQ(TempDir::readBytes(path), expected);
    EXPECT_EQ(store.ToBytes(), expected);
}

TEST(DataStore, SaveThenLoadGivesBackEveryField)
{
    TempDir dir;
    DataStore store;
    ApplicationRecord *r = store.AddRecord(
        QStringLiteral("C:\\a.exe"), QStringLiteral("..\\a.exe"), QStringLiteral("A \u00c4"),
        QStringLiteral("First\r\n\r\nThird line\r\n"), QStringLiteral("Games"), false,
        QStringLiteral("C:\\a.bmp"), true, QStringLiteral("Reader"), QStringLiteral("C:\\r.exe"));
    store.AddRecord(QString(), QString(), QString(), QString(), QString(), true, QString(), false,
                    QString(), QString());
    store.SetIconFile(QStringLiteral("C:\\i.ico"));
    store.SetRarSupport(false);
    store.SetHasCategories(false);
    store.SetBuildDate(kBuild.addMSecs(700));
    const QString path = dir.file("p.cdc");
    ASSERT_TRUE(store.Save(path));

    DataStore loaded;
    loaded.SetModified();
    ASSERT_TRUE(loaded.Load(path)) << loaded.ErrorText().toStdString();
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_EQ(loaded.Version(), "5.04");
    EXPECT_EQ(loaded.IconFile(), "C:\\i.ico");
    EXPECT_FALSE(loaded.RarSupport());
    EXPECT_FALSE(loaded.HasCategories());
    EXPECT_TRUE(loaded.ZipSupport());
    EXPECT_FALSE(loaded.BrFlag());
    EXPECT_EQ(loaded.BuildDate(), kBuild);
    ASSERT_EQ(loaded.RecordCount(), 2);
    const ApplicationRecord *a = loaded.Record(0);
    EXPECT_EQ(a->Version(), "5.03");
    EXPECT_EQ(a->Title(), r->Title());
    EXPECT_EQ(a->Category(), r->Category());
    EXPECT_EQ(a->Description(), r->Description());
    EXPECT_EQ(a->FilePath(), r->FilePath());
    EXPECT_EQ(a->CDPath(), r->CDPath());
    EXPECT_EQ(a->IncludeInMenu(), false);
    EXPECT_EQ(a->Picture(), r->Picture());
    EXPECT_EQ(a->IconPath(), QString());
    EXPECT_EQ(a->InstallViewer(), true);
    EXPECT_EQ(a->ViewerName(), "Reader");
    EXPECT_EQ(a->ViewerPath(), "C:\\r.exe");
    EXPECT_TRUE(loaded.Record(1)->IncludeInMenu());
    EXPECT_EQ(loaded.Record(1)->Title(), QString());
    // Loading and saving again reproduces the file exactly.
    EXPECT_EQ(loaded.ToBytes(), TempDir::readBytes(path));
}

TEST(DataStore, ProgressMovesOncePerRecordAndAlwaysEnds)
{
    TempDir dir;
    DataStore store;
    for (int i = 0; i < 3; ++i)
        store.AddRecord({}, {}, QString::number(i), {}, {}, true, {}, false, {}, {});
    RecordingSink save;
    ASSERT_TRUE(store.Save(dir.file("s.cdc"), &save));
    EXPECT_EQ(save.events, QStringList({"begin Saving 0", "total 3", "step", "step", "step", "end"}));

    DataStore loaded;
    RecordingSink load;
    ASSERT_TRUE(loaded.Load(dir.file("s.cdc"), &load));
    EXPECT_EQ(load.events, QStringList({"begin Loading 0", "total 3", "step", "step", "step", "end"}));

    DataStore missing;
    RecordingSink failed;
    EXPECT_FALSE(missing.Load(dir.file("none.cdc"), &failed));
    EXPECT_EQ(failed.events, QStringList({"begin Loading 0", "end"}));
}

namespace {

QByteArray field(const char *tag, const QByteArray &value)
{
    return QByteArray(tag) + "\r\n" + value + "/" + tag + "\r\n";
}

QByteArray header(const QByteArray &version, int count)
{
    return field("VS", version) + field("BR", "1") + field("HS", "0") + field("ZS", "0")
           + field("AC", QByteArray::number(count));
}

// A record as older versions wrote it: viewer fields only from "5.03" on.
QByteArray record(const QByteArray &version, const QByteArray &title, bool viewer)
{
    QByteArray r = field("VS", version) + field("AT", title) + field("AC", "Cat")
                   + field("ACT", "About " + title) + field("AP", "C:\\" + title + ".exe")
                   + field("ACP", "..\\" + title + ".exe") + field("IM", "1")
                   + field("APP", "C:\\" + title + ".bmp") + field("AIP", "C:\\" + title + ".ico");
    if (viewer)
        r += field("AIVA", "1") + field("AIVAN", title + " viewer") + field("AIVAP", "C:\\v.exe");
    return r;
}

QByteArray footer(const QByteArray &bd = "Sat, 5 Mar 2005 14:07:09 +0100")
{
    return field("ICF", "C:\\disc.ico") + field("RS", "0") + field("BD", bd);
}

} // namespace

TEST(DataStore, ReadsOlderVersions)
{
    struct Case
    {
        const char *version;
        bool hasIcon, hasRar, hasDate;
    };
    const Case cases[] = {
        {"5.04", true, true, true},   {"5.03", true, true, false}, {"4.01", true, true, false},
        {"4", true, false, false},    {"3.01", false, false, false},
        {"10.0", false, false, false}, // byte-wise: "10.0" is below "4"
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.version);
        TempDir dir;
        const QString path = dir.file("old.cdc");
        ASSERT_TRUE(TempDir::writeBytes(path, header(c.version, 1) + record("5.03", "One", true)
                                                  + footer()));
        DataStore store;
        const QDateTime constructed = store.BuildDate();
        ASSERT_TRUE(store.Load(path)) << store.ErrorText().toStdString();
        EXPECT_EQ(store.Version(), QString::fromLatin1(c.version));
        EXPECT_EQ(store.IconFile(), c.hasIcon ? QStringLiteral("C:\\disc.ico") : QString());
        EXPECT_EQ(store.RarSupport(), !c.hasRar);
        EXPECT_EQ(store.BuildDate(), c.hasDate ? kBuild : constructed);
        EXPECT_TRUE(store.BrFlag());
        EXPECT_FALSE(store.HasCategories());
        EXPECT_FALSE(store.ZipSupport());
        EXPECT_EQ(store.RecordCount(), 1);
    }
}

TEST(DataStore, OldRecordsIgnoreViewerFieldsAndEndAtTheIconPath)
{
    TempDir dir;
    const QString path = dir.file("mixed.cdc");
    // The "5.0" record has no viewer fields of its own; the next record's follow.
    ASSERT_TRUE(TempDir::writeBytes(path, header("5.04", 3) + record("5.0", "Old", false)
                                              + record("5.03", "New", true)
                                              + record("4.10", "Older", false) + footer()));
    DataStore store;
    ASSERT_TRUE(store.Load(path)) << store.ErrorText().toStdString();
    ASSERT_EQ(store.RecordCount(), 3);
    const ApplicationRecord *old = store.Record(0);
    EXPECT_EQ(old->Version(), "5.0");
    EXPECT_EQ(old->Title(), "Old");
    EXPECT_EQ(old->IconPath(), "C:\\Old.ico");
    EXPECT_FALSE(old->InstallViewer());
    EXPECT_EQ(old->ViewerName(), QString());
    EXPECT_EQ(old->ViewerPath(), QString());
    const ApplicationRecord *next = store.Record(1);
    EXPECT_EQ(next->Title(), "New");
    EXPECT_EQ(next->Description(), "About New");
    EXPECT_TRUE(next->InstallViewer());
    EXPECT_EQ(next->ViewerName(), "New viewer");
    EXPECT_EQ(store.Record(2)->Title(), "Older");
    EXPECT_EQ(store.Record(2)->CDPath(), "..\\Older.exe");

    // Saved again, the file is in the current format throughout.
    ASSERT_TRUE(store.Save(path));
    const QByteArray bytes = TempDir::readBytes(path);
    EXPECT_TRUE(bytes.startsWith("VS\r\n5.04/VS\r\n"));
    EXPECT_EQ(bytes.count("VS\r\n5.03/VS\r\n"), 3);
    EXPECT_EQ(bytes.count("/AIVAP\r\n"), 3);
    DataStore again;
    ASSERT_TRUE(again.Load(path));
    EXPECT_EQ(again.Record(0)->Version(), "5.03");
    EXPECT_EQ(again.Record(2)->Title(), "Older");
}

TEST(DataStore, FieldsAreFoundByTheirFirstTagNotByPosition)
{
    TempDir dir;
    const QString path = dir.file("odd.cdc");
    // Fields in another order still read; a value holding a later field's
    // opening tag is misread exactly as the menu player misreads it.
    const QByteArray odd = field("VS", "5.03") + field("AC", "Cat") + field("AT", "Swapped")
                           + field("ACT", "A MAP\r\nof things") + field("AP", "C:\\f.exe")
                           + field("ACP", "..\\f.exe") + field("IM", "0") + field("APP", "")
                           + field("AIP", "") + field("AIVA", "0") + field("AIVAN", "")
                           + field("AIVAP", "");
    ASSERT_TRUE(TempDir::writeBytes(path, header("5.04", 2) + odd + record("5.03", "Next", true)
                                              + footer()));
    DataStore store;
    ASSERT_TRUE(store.Load(path)) << store.ErrorText().toStdString();
    ASSERT_EQ(store.RecordCount(), 2);
    EXPECT_EQ(store.Record(0)->Title(), "Swapped");
    EXPECT_EQ(store.Record(0)->Category(), "Cat");
    EXPECT_EQ(store.Record(0)->Description(), "A MAP\r\nof things");
    EXPECT_EQ(store.Record(0)->FilePath(), "of things/ACT\r\nAP\r\nC:\\f.exe");
    EXPECT_FALSE(store.Record(0)->IncludeInMenu());
    EXPECT_EQ(store.Record(1)->Title(), "Next");
}

TEST(DataStore, FailedLoadsSayWhyAndKeepWhatWasRead)
{
    struct Case
    {
        const char *name;
        QByteArray bytes;
        const char *error;
        int recordsKept;
    };
    const Case cases[] = {
        {"count too large", header("5.04", 3) + record("5.03", "A", true) + record("5.03", "B", true)
                                + footer(),
         "'' is not a valid integer value\r\n", 2},
        {"bad IM", header("5.04", 1) + record("5.03", "A", true).replace("IM\r\n1", "IM\r\nyes")
                       + footer(),
         "'yes' is not a valid integer value\r\n", 0},
        {"bad AIVA", header("5.04", 1) + record("5.03", "A", true).replace("AIVA\r\n1", "AIVA\r\n")
                         + footer(),
         "'' is not a valid integer value\r\n", 0},
        {"bad header flag", header("5.04", 0).replace("HS\r\n0", "HS\r\n0x1") + footer(),
         "'0x1' is not a valid integer value\r\n", 0},
        {"negative count", header("5.04", -1) + footer(), "'-1' is not a valid record count\r\n", 0},
        {"truncated record", header("5.04", 1) + record("5.03", "A", true).chopped(5),
         "The record has no closing /AIVAP tag\r\n", 0},
        {"not a data store", "Hello, world\r\n", "'' is not a valid integer value\r\n", 0},
        {"empty file", "", "'' is not a valid integer value\r\n", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const QString path = dir.file("bad.cdc");
        ASSERT_TRUE(TempDir::writeBytes(path, c.bytes));
        DataStore store;
        store.SetModified();
        EXPECT_FALSE(store.Load(path));
        ASSERT_NE(store.Error(), nullptr);
        EXPECT_EQ(store.Error()->Text(), QString::fromLatin1(c.error));
        EXPECT_EQ(store.RecordCount(), c.recordsKept);
        EXPECT_TRUE(store.IsModified());
    }
}

TEST(DataStore, LoadReportsMissingFiles)
{
    TempDir dir;
    struct Case
    {
        QString path;
        QString error;
    };
    const Case cases[] = {
        {dir.file("missing.cdc"), "Unable to open DataStore file.\r\n"},
        {dir.path(), "Unable to open DataStore file.\r\n"},
        {QString(), "No DataStore file name was given.\r\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        DataStore store;
        EXPECT_FALSE(store.Load(c.path));
        EXPECT_EQ(store.ErrorText(), c.error);
    }
}

TEST(DataStore, UnreadableBuildDateGivesTheZeroDate)
{
    TempDir dir;
    const QString path = dir.file("date.cdc");
    ASSERT_TRUE(TempDir::writeBytes(path, header("5.04", 0) + footer("next Tuesday")));
    DataStore store;
    ASSERT_TRUE(store.Load(path));
    EXPECT_EQ(store.BuildDate(), QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::LocalTime));
    EXPECT_EQ(store.ErrorText(), QString());
}

TEST(DataStore, FailedSaveLeavesTheOldFileAlone)
{
    TempDir dir;
    DataStore store;
    store.AddRecord({}, {}, QStringLiteral("New"), {}, {}, true, {}, false, {}, {});
    store.SetModified();

    // A folder where the file should be is not replaced.
    const QString folder = dir.file("Folder.cdc");
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_TRUE(TempDir::writeBytes(folder + "/inside.txt", "keep"));
    EXPECT_FALSE(store.Save(folder));
    EXPECT_EQ(store.ErrorText(), "Unable to remove the old File List File\r\n");
    EXPECT_EQ(TempDir::readBytes(folder + "/inside.txt"), "keep");
    EXPECT_TRUE(store.IsModified());

    // The new file cannot be made beside the old one: its temporary name is
    // longer than a file name may be, which stops even a privileged user.
    const QString old = dir.file(QString(250, QLatin1Char('p')) + ".cdc");
    const QByteArray oldBytes = header("5.04", 0) + footer();
    ASSERT_TRUE(TempDir::writeBytes(old, oldBytes));
    EXPECT_FALSE(store.Save(old));
    EXPECT_EQ(TempDir::readBytes(old), oldBytes);
    EXPECT_TRUE(store.IsModified());
    EXPECT_TRUE(store.ErrorText() == "Unable to create the new File List File\r\n"
                || store.ErrorText() == "Unable to remove the old File List File\r\n")
        << store.ErrorText().toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file is left";

    // A folder that does not exist.
    EXPECT_FALSE(store.Save(dir.file("no/such/folder/x.cdc")));
    EXPECT_EQ(store.ErrorText(), "Unable to create the new File List File\r\n");
}

TEST(DataStore, SortsByLowerCasedTitleBytes)
{
    DataStore store;
    const char16_t *titles[] = {u"beta", u"Alpha", u"Gamma", u"alpha", u"\u00c9clair", u"zebra",
                                u"\u20acuro", u"ab", u"abc"};
    for (const char16_t *t : titles)
        store.AddRecord({}, {}, QString::fromUtf16(t), {}, {}, true, {}, false, {}, {});
    const auto order = [&store] {
        QStringList out;
        for (int i = 0; i < store.RecordCount(); ++i)
            out << store.Record(i)->Title().toLower();
        return out;
    };
    // In the code page: 'z' 0x7A < '€' 0x80 < 'é' 0xE9.
    const QStringList ascending = {u"ab"_qs, u"abc"_qs, u"alpha"_qs, u"alpha"_qs, u"beta"_qs,
                                   u"gamma"_qs, u"zebra"_qs, u"\u20acuro"_qs, u"\u00e9clair"_qs};
    store.SetModified();
    store.SortAscending();
    EXPECT_EQ(order(), ascending);
    QStringList descending = ascending;
    std::reverse(descending.begin(), descending.end());
    store.SortDescending();
    EXPECT_EQ(order(), descending);
    EXPECT_TRUE(store.IsModified());
}

TEST(DataStore, RecordListAndModifiedFlag)
{
    TempDir dir;
    DataStore store;
    EXPECT_FALSE(store.IsModified());
    EXPECT_EQ(store.Error(), nullptr);
    for (const char *t : {"a", "b", "c"})
        store.AddRecord({}, {}, QString::fromLatin1(t), {}, {}, true, {}, false, {}, {});
    EXPECT_FALSE(store.IsModified()) << "adding leaves marking to the caller";

    std::unique_ptr<ApplicationRecord> b = store.TakeRecord(1);
    EXPECT_EQ(b->Title(), "b");
    store.InsertRecord(0, std::move(b));
    store.RemoveRecord(2);
    ASSERT_EQ(store.RecordCount(), 2);
    EXPECT_EQ(store.Record(0)->Title(), "b");
    EXPECT_EQ(store.Record(1)->Title(), "a");
    EXPECT_THROW(store.TakeRecord(2), std::out_of_range);

    EXPECT_FALSE(store.Load(dir.file("missing.cdc")));
    ASSERT_NE(store.Error(), nullptr);
    store.SetModified();
    store.Clear();
    EXPECT_EQ(store.RecordCount(), 0);
    EXPECT_EQ(store.Error(), nullptr);
    EXPECT_TRUE(store.IsModified());
}
