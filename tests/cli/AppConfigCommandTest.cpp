#include "CliTestSupport.h"

#include "core/online/AppConfig.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

const QByteArray plainLf = "[HELP NEWS]\nhttp://n.velvane.example/\n\n[HELP Software]\nS\n\n"
                           "[HELP Forums]\nF\n\n[HELP Support On Line]\nO\n\n[HELP Homepage]\nH\n\n"
                           "[UPDATE FILE]\nU\n\n";

} // namespace

TEST(AppConfigCommand, EncodeThenDecodeGivesTheSectionsWithCrLf)
{
    TempDir dir;
    ASSERT_TRUE(TempDir::writeBytes(dir.file("plain.txt"), plainLf));
    CliRun enc = runCliCapture({"appconfig", "encode", dir.file("plain.txt"), dir.file("App.dll")});
    ASSERT_EQ(enc.code, 0) << enc.err.toStdString();
    EXPECT_TRUE(enc.err.isEmpty()) << enc.err.toStdString();

    scribora::online::AppConfig c;
    ASSERT_TRUE(c.Load(dir.file("App.dll")));
    EXPECT_EQ(c.newsURL(), QStringLiteral("http://n.velvane.example/"));
    EXPECT_EQ(c.updateFileURL(), QStringLiteral("U"));

    CliRun dec = runCliCapture({"appconfig", "decode", dir.file("App.dll")});
    ASSERT_EQ(dec.code, 0) << dec.err.toStdString();
    EXPECT_EQ(dec.out, QString::fromLatin1(QByteArray(plainLf).replace("\n", "\r\n")));
}

TEST(AppConfigCommand, WarnsAboutSectionsTheProgramWouldMiss)
{
    TempDir dir;
    ASSERT_TRUE(TempDir::writeBytes(dir.file("plain.txt"),
                                    "[HELP Software]\r\nS\r\n\r\n[HELP NEWS]\r\nN\r\n\r\n[UPDATE FILE]\r\nU\r\n\r\n"));
    CliRun enc = runCliCapture({"appconfig", "encode", dir.file("plain.txt"), dir.file("App.dll")});
    EXPECT_EQ(enc.code, 0);
    for (const char *lost : {"[HELP Software]", "[HELP Forums]", "[HELP Support On Line]", "[HELP Homepage]"})
        EXPECT_TRUE(enc.err.contains(QLatin1String("warning: ") + QLatin1String(lost))) << lost;
    EXPECT_FALSE(enc.err.contains(QLatin1String("[HELP NEWS]")));
}

TEST(AppConfigCommand, Errors)
{
    TempDir dir;
    ASSERT_TRUE(TempDir::writeBytes(dir.file("plain.txt"), plainLf));
    ASSERT_TRUE(TempDir::writeBytes(dir.file("Bad.dll"), "HK3i\r\n"));
    struct Case
    {
        QStringList args;
        int code;
        const char *err;
    };
    const Case cases[] = {
        {{"appconfig"}, 2, "usage:"},
        {{"appconfig", "encode", dir.file("plain.txt")}, 2, "usage:"},
        {{"appconfig", "encode", dir.file("plain.txt"), dir.file("App.txt")}, 2, "must end in \".dll\""},
        {{"appconfig", "encode", dir.file("missing.txt"), dir.file("App.dll")}, 1, "cannot open"},
        {{"appconfig", "encode", dir.file("plain.txt"), dir.file("no/App.dll")}, 1, "cannot write"},
        {{"appconfig", "decode", dir.file("Bad.dll")}, 1,
         "Blowfish: Error converting from Base64 - invalid character"},
        {{"appconfig", "decode", dir.file("missing.dll")}, 1, "cannot open"},
    };
    for (const Case &c : cases) {
        CliRun r = runCliCapture(c.args);
        EXPECT_EQ(r.code, c.code) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.err))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(dir.file("App.txt")));
}
