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
