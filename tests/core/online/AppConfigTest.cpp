#include "core/online/AppConfig.h"
#include "core/online/AppConfigCipher.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace scribora::online;

namespace {

const QByteArray fullPlain = "[HELP NEWS]\r\nhttp://n.velvane.example/\r\n\r\n"
                             "[HELP Software]\r\nhttp://s.velvane.example/\r\n\r\n"
                             "[HELP Forums]\r\nhttp://f.velvane.example/\r\n\r\n"
                             "[HELP Support On Line]\r\nhttp://o.velvane.example/\r\n\r\n"
                             "[HELP Homepage]\r\nhttp://h.velvane.example/\r\n\r\n"
                             "[UPDATE FILE]\r\nhttp://u.velvane.example/up.txt\r\n\r\n";

QStringList fields(const AppConfig &c)
{
    return {c.newsURL(),    c.softwareURL(), c.forumsURL(),
            c.supportURL(), c.homepageURL(), c.updateFileURL()};
}

QStringList fullFields()
{
    return {"http://n.velvane.example/", "http://s.velvane.example/", "http://f.velvane.example/",
            "http://o.velvane.example/", "http://h.velvane.example/",
            "http://u.velvane.example/up.txt"};
}

} // namespace

TEST(AppConfig, ShippedFileDecodesToOurSections)
{
    AppConfig c;
    ASSERT_TRUE(c.Load(QStringLiteral(SCRIBORA_PROGRAM_DIR "/App.dll"))) << c.errors().Text().toStdString();
    EXPECT_EQ(fields(c), QStringList({"https://www.velvane.example/news/",
                                      "https://www.velvane.example/software/scribora/",
                                      "https://forums.velvane.example/",
                                      "https://www.velvane.example/support/",
                                      "https://www.velvane.example/",
                                      "https://www.velvane.example/updates/scribora.txt"}));
    EXPECT_TRUE(c.errors().isEmpty());
}

TEST(AppConfig, EncipheredFileMadeByTheEncoderReadsBack)
{
    TempDir dir;
    const QString path = dir.file("App.dll");
    ASSERT_TRUE(TempDir::writeBytes(path, encipherAppConfig(fullPlain)));
    AppConfig c;
    ASSERT_TRUE(c.Load(path)) << c.errors().Text().toStdString();
    EXPECT_EQ(fields(c), fullFields());

    // Plain text whose length fills whole blocks gets a whole block of padding.
    for (int extra = 0; extra < 9; ++extra) {
        const QByteArray plain = fullPlain + QByteArray(extra, ' ');
        ASSERT_TRUE(TempDir::writeBytes(path, encipherAppConfig(plain)));
        EXPECT_TRUE(c.Load(path));
        EXPECT_EQ(fields(c), fullFields()) << extra;
        EXPECT_EQ(decipherAppConfig(encipherAppConfig(plain)).plain, plain);
    }
}

TEST(AppConfig, PaddingRuleOfTheDecipheredLastByte)
{
    struct Case
    {
        char last;
        int removed;
    };
    const Case cases[] = {{0, 1}, {1, 1}, {4, 4}, {8, 8}, {9, 1}, {'x', 1}, {char(0xFF), 1}};
    for (const Case &c : cases) {
        QByteArray raw = "0123456789ABCDE";
        raw += c.last;
        const AppConfigDeciphered d = decipherAppConfig(encipherAppConfigBlocks(raw));
        ASSERT_TRUE(d.ok) << int(c.last);
        EXPECT_EQ(d.plain, raw.left(16 - c.removed)) << int(c.last);
    }
}

TEST(AppConfig, EncipheredFileErrors)
{
    const QByteArray good = encipherAppConfig(fullPlain);
    struct Case
    {
        const char *what;
        QByteArray bytes;
        QString error;
    };
    const Case cases[] = {
        {"line break at the end", good + "\r\n", errorInvalidCharacter},
        {"line break inside", good.left(20) + "\n" + good.mid(20), errorInvalidCharacter},
        {"plain text under .dll", fullPlain, errorInvalidCharacter},
        {"empty", QByteArray(), errorTooShort},
        {"six bytes", "++++++++", errorTooShort},
        {"nine bytes", good.left(12), errorNotWholeBlocks},
        {"dangling character", good + "+", errorDanglingCharacter},
    };
    TempDir dir;
    const QString path = dir.file("App.dll");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(TempDir::writeBytes(path, c.bytes));
        AppConfig config;
        EXPECT_FALSE(config.Load(path));
        EXPECT_EQ(config.errors().Text(), c.error + QStringLiteral("\r\n"));
        EXPECT_EQ(fields(config), QStringList(6, QString()));
    }
}

TEST(AppConfig, SectionParse)
{
    struct Case
    {
        const char *what;
        QByteArray plain;
        QStringList expected;
    };
    const Case cases[] = {
        {"all in order", fullPlain, fullFields()},
        {"software before news is lost",
         "[HELP Software]\r\nS\r\n\r\n[HELP NEWS]\r\nN\r\n\r\n[HELP Forums]\r\nF\r\n\r\n",
         {"N", "", "F", "", "", ""}},
        {"update file first is lost",
         "[UPDATE FILE]\r\nU\r\n\r\n[HELP NEWS]\r\nN\r\n\r\n",
         {"N", "", "", "", "", ""}},
        {"missing forums leaves the rest",
         "[HELP NEWS]\r\nN\r\n\r\n[HELP Software]\r\nS\r\n\r\n[HELP Support On Line]\r\nO\r\n\r\n"
         "[HELP Homepage]\r\nH\r\n\r\n[UPDATE FILE]\r\nU\r\n\r\n",
         {"N", "S", "", "O", "H", "U"}},
        {"blanks and tabs around a value",
         "[HELP NEWS]\r\n  \thttp://n.velvane.example/ \t \r\n\r\n", {"http://n.velvane.example/", "", "", "", "", ""}},
        {"header letter case counts", "[help news]\r\nN\r\n\r\n[HELP Software]\r\nS\r\n\r\n",
         {"", "S", "", "", "", ""}},
        {"a header must be the whole line", "x[HELP NEWS]\r\nN\r\n\r\n[HELP Software]\r\nS\r\n",
         {"", "S", "", "", "", ""}},
        {"no empty line between sections", "[HELP NEWS]\r\nN\r\n[HELP Software]\r\nS\r\n",
         {"N", "S", "", "", "", ""}},
        {"an empty value", "[HELP NEWS]\r\n\r\n[HELP Software]\r\nS\r\n\r\n", {"", "S", "", "", "", ""}},
        {"header on the last line", "[HELP NEWS]", {"", "", "", "", "", ""}},
        {"line feeds alone", "[HELP NEWS]\nN\n\n[HELP Software]\nS\n\n", {"N", "S", "", "", "", ""}},
        {"windows-1252 text", "[HELP NEWS]\r\nhttp://x.example/caf\xE9\r\n\r\n",
         {QString::fromUtf8("http://x.example/caf\u00e9"), "", "", "", "", ""}},
        {"empty file", "", {"", "", "", "", "", ""}},
    };
    TempDir dir;
    const QString path = dir.file("App.txt");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(TempDir::writeBytes(path, c.plain));
        AppConfig config;
        EXPECT_TRUE(config.Load(path));
        EXPECT_EQ(fields(config), c.expected);
    }
}

TEST(AppConfig, OnlyTheExactDllExtensionIsDeciphered)
{
    TempDir dir;
    for (const char *name : {"App.txt", "App.DLL", "App.dll.bak", "App"}) {
        ASSERT_TRUE(TempDir::writeBytes(dir.file(name), fullPlain));
        AppConfig c;
        EXPECT_TRUE(c.Load(dir.file(name))) << name;
        EXPECT_EQ(fields(c), fullFields()) << name;
    }
    ASSERT_TRUE(TempDir::writeBytes(dir.file("Other.tar.dll"), encipherAppConfig(fullPlain)));
    AppConfig c;
    EXPECT_TRUE(c.Load(dir.file("Other.tar.dll")));
    EXPECT_EQ(fields(c), fullFields());
}

TEST(AppConfig, EveryLoadStartsAfresh)
{
    TempDir dir;
    AppConfig c;
    EXPECT_FALSE(c.Load(dir.file("App.dll")));
    EXPECT_EQ(c.errors().Text(), QStringLiteral("Unable to open the Application Configuration file.\r\n"));

    ASSERT_TRUE(TempDir::writeBytes(dir.file("App.dll"), encipherAppConfig(fullPlain)));
    EXPECT_TRUE(c.Load(dir.file("App.dll")));
    EXPECT_TRUE(c.errors().isEmpty());
    EXPECT_EQ(fields(c), fullFields());

    // A later file without a section does not keep the earlier value.
    ASSERT_TRUE(TempDir::writeBytes(dir.file("App.dll"), encipherAppConfig("[HELP NEWS]\r\nN\r\n\r\n")));
    EXPECT_TRUE(c.Load(dir.file("App.dll")));
    EXPECT_EQ(fields(c), QStringList({"N", "", "", "", "", ""}));
}

TEST(AppConfig, RefusesAFileTooLargeToBeAConfiguration)
{
    TempDir dir;
    ASSERT_TRUE(TempDir::writeBytes(dir.file("App.txt"), QByteArray(AppConfig::maxFileSize + 1, 'x')));
    AppConfig c;
    EXPECT_FALSE(c.Load(dir.file("App.txt")));
    EXPECT_EQ(c.errors().Text(), QStringLiteral("The Application Configuration file is too large.\r\n"));
    // A folder cannot be read as one.
    EXPECT_FALSE(c.Load(dir.path()));
    EXPECT_FALSE(c.errors().isEmpty());
}
