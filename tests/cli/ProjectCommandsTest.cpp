#include "CliTestSupport.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

// A working copy of the bundled sample project, as scripts/run.sh makes it.
QString copySample(const TempDir &dir)
{
    const QString from = QStringLiteral(SCRIBORA_SOURCE_DIR "/examples/Sample/");
    for (const char *name : {"Sample.cdprj", "Sample.cdc"}) {
        QByteArray bytes = TempDir::readBytes(from + QLatin1String(name));
        bytes.replace("@SAMPLE@", QFile::encodeName(dir.path()));
        EXPECT_TRUE(TempDir::writeBytes(dir.file(QLatin1String(name)), bytes));
    }
    return dir.file(QStringLiteral("Sample.cdprj"));
}

} // namespace

TEST(ProjectCommands, ShowPrintsTheSampleProjectAsJson)
{
    TempDir dir;
    const CliRun r = runCliCapture({QStringLiteral("show"), copySample(dir)});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    QJsonParseError parseError;
    const QJsonObject doc = QJsonDocument::fromJson(r.out.toUtf8(), &parseError).object();
    ASSERT_EQ(parseError.error, QJsonParseError::NoError);
    const QJsonObject project = doc.value(QLatin1String("project")).toObject();
    EXPECT_EQ(project.value(QLatin1String("name")).toString(), QStringLiteral("Sample"));
    EXPECT_EQ(project.value(QLatin1String("menuType")).toString(), QStringLiteral("List"));
    EXPECT_EQ(project.value(QLatin1String("fileTypes")).toArray().size(), 11);
    const QJsonArray records = doc.value(QLatin1String("catalogue")).toObject().value(QLatin1String("records")).toArray();
    ASSERT_EQ(records.size(), 4);
    const QJsonObject timer = records.at(2).toObject();
    EXPECT_EQ(timer.value(QLatin1String("title")).toString(), QString::fromUtf16(u"Caf\u00E9 Timer"));
    EXPECT_EQ(timer.value(QLatin1String("cdPath")).toString(), QStringLiteral("..\\Files\\Tools\\Timer.bat"));
    EXPECT_EQ(records.at(1).toObject().value(QLatin1String("description")).toString(),
              QStringLiteral("A quiet puzzle game.\r\nNo installation needed."));
}

TEST(ProjectCommands, ResaveUpgradesAnOlderProject)
{
    TempDir dir;
    // A project file of format 4.02 and a data store of version 4 with one old record.
    const QByteArray oldProject =
        "SCRIBORA PROJECT FILE, Format Version 4.02\r\n\r\n[Version]\r\n4.02\r\n\r\n[Name]\r\nOld\r\n\r\n"
        "[Icon File]\r\n\r\n\r\n[Search Directory]\r\n\r\n\r\n[Menu Type]\r\nList\r\n\r\n"
        "[Has Zip Support]\r\n0\r\n\r\n[File Types]\r\nexe\r\n\r\n[Categories]\r\n\r\n"
        "[Language]\r\nEnglish\r\n\r\n[Has RAR Support]\r\n1\r\n\r\n[Auto Assign Picture]\r\n0\r\n\r\n";
    const QByteArray oldStore =
        "VS\r\n4/VS\r\nBR\r\n0/BR\r\nHS\r\n1/HS\r\nZS\r\n1/ZS\r\nAC\r\n1/AC\r\n"
        "VS\r\n4.01/VS\r\nAT\r\nTool/AT\r\nAC\r\n/AC\r\nACT\r\n/ACT\r\nAP\r\n/x/t.exe/AP\r\n"
        "ACP\r\n..\\t.exe/ACP\r\nIM\r\n1/IM\r\nAPP\r\n/APP\r\nAIP\r\n/AIP\r\nICF\r\n/ICF\r\n";
    ASSERT_TRUE(TempDir::writeBytes(dir.file(QStringLiteral("Old.cdprj")), oldProject));
    ASSERT_TRUE(TempDir::writeBytes(dir.file(QStringLiteral("Old.cdc")), oldStore));

    const CliRun r = runCliCapture({QStringLiteral("resave"), dir.file(QStringLiteral("Old.cdprj"))});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();

    const QByteArray project = TempDir::readBytes(dir.file(QStringLiteral("Old.cdprj")));
    EXPECT_TRUE(project.startsWith("SCRIBORA PROJECT FILE, Format Version 5.03\r\n"));
    EXPECT_TRUE(project.contains("[Has Zip Support]\r\n0\r\n"));
    EXPECT_TRUE(project.endsWith("[Search Sub Directories]\r\n1\r\n\r\n"));
    const QByteArray store = TempDir::readBytes(dir.file(QStringLiteral("Old.cdc")));
    // Version 5.04, the project's flags (no categories, no zip), the record in 5.03 form.
    EXPECT_TRUE(store.startsWith("VS\r\n5.04/VS\r\nBR\r\n1/BR\r\nHS\r\n0/HS\r\nZS\r\n0/ZS\r\nAC\r\n1/AC\r\nVS\r\n5.03/VS\r\n"));
    EXPECT_TRUE(store.contains("AIP\r\n/AIP\r\nAIVA\r\n0/AIVA\r\nAIVAN\r\n/AIVAN\r\nAIVAP\r\n/AIVAP\r\nICF\r\n"));
}

TEST(ProjectCommands, BadInputPrintsOneLineAndWritesNothing)
{
    TempDir dir;
    const QString project = copySample(dir);
    const QByteArray projectBefore = TempDir::readBytes(project);
    ASSERT_TRUE(TempDir::writeBytes(dir.file(QStringLiteral("Broken.cdprj")), projectBefore));
    // A data store whose record count promises more records than there are.
    ASSERT_TRUE(TempDir::writeBytes(dir.file(QStringLiteral("Broken.cdc")),
                                    "VS\r\n5.04/VS\r\nBR\r\n0/BR\r\nHS\r\n1/HS\r\nZS\r\n1/ZS\r\nAC\r\n3/AC\r\n"));
    const QByteArray brokenStore = TempDir::readBytes(dir.file(QStringLiteral("Broken.cdc")));

    struct Case { QStringList args; const char *message; };
    const Case cases[] = {
        {{QStringLiteral("show")}, "expected one project file"},
        {{QStringLiteral("show"), dir.file(QStringLiteral("Sample.cdc"))}, "not a project file"},
        {{QStringLiteral("show"), dir.file(QStringLiteral("Missing.cdprj"))}, "no such project file"},
        {{QStringLiteral("resave"), dir.file(QStringLiteral("Missing.cdprj"))}, "no such project file"},
        {{QStringLiteral("resave"), dir.file(QStringLiteral("Broken.cdprj"))}, "cannot read the data store"},
    };
    for (const Case &c : cases) {
        const CliRun r = runCliCapture(c.args);
        EXPECT_EQ(r.code, 1) << c.message;
        EXPECT_TRUE(r.err.contains(QLatin1String(c.message))) << r.err.toStdString();
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_EQ(TempDir::readBytes(dir.file(QStringLiteral("Broken.cdprj"))), projectBefore);
    EXPECT_EQ(TempDir::readBytes(dir.file(QStringLiteral("Broken.cdc"))), brokenStore);
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("Missing.cdprj"))));
}
