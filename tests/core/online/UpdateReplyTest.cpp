#include "core/online/UpdateReply.h"

#include <gtest/gtest.h>

using namespace scribora::online;

namespace {

QString block(const QString &name, const QString &version, const QString &beta,
              const QString &location = QStringLiteral("http://dl.velvane.example/s.zip"))
{
    return QStringLiteral("<PROGRAM>\r\n<NAME>%1</NAME>\r\n<VERSION>%2</VERSION>\r\n"
                          "<LOCATION>%3</LOCATION>\r\n<BETA>%4</BETA>\r\n</PROGRAM>\r\n")
        .arg(name, version, location, beta);
}

} // namespace

TEST(UpdateReply, Cases)
{
    struct Case
    {
        const char *what;
        QString reply;
        bool ok;
        bool found;
        QString version;
        QString location;
        bool preRelease;
    };
    const QString loc = QStringLiteral("http://dl.velvane.example/s.zip");
    const Case cases[] = {
        {"no block at all", "Nothing here <NAME>Scribora 5</NAME>", true, false, "", "", false},
        {"empty reply", "", true, false, "", "", false},
        {"one release", block("Scribora 5", "5.0.5", "0"), true, true, "5.0.5", loc, false},
        {"one pre-release", block("Scribora 5", "5.1 Beta Build 9", "1"), true, true,
         "5.1 Beta Build 9", loc, true},
        {"negative beta is non-zero", block("Scribora 5", "5.1", "-2"), true, true, "5.1", loc, true},
        {"beta with blanks", block("Scribora 5", "5.1", " 0\r\n"), true, true, "5.1", loc, false},
        {"first of two with the same name wins",
         block("Scribora 5", "5.0.5", "0") + block("Scribora 5", "5.0.6", "0"), true, true, "5.0.5", loc,
         false},
        {"another product's block is skipped",
         block("Scribora 4", "4.9", "0") + block("Other 5", "9", "0") + block("Scribora 5", "5.0.7", "0"),
         true, true, "5.0.7", loc, false},
        {"names match exactly", block("scribora 5", "5.0.5", "0") + block("Scribora 50", "x", "0"), true,
         false, "", "", false},
        {"values are trimmed",
         "<PROGRAM><NAME>  Scribora 5\t</NAME><VERSION>\r\n 5.0.8 \r\n</VERSION>"
         "<LOCATION> http://x.example/a </LOCATION><BETA>0</BETA></PROGRAM>",
         true, true, "5.0.8", "http://x.example/a", false},
        {"tags in any order",
         "<PROGRAM><BETA>1</BETA><LOCATION>L</LOCATION><VERSION>V</VERSION><NAME>Scribora 5</NAME></PROGRAM>",
         true, true, "V", "L", true},
        {"tags are case-sensitive",
         "<PROGRAM><name>Scribora 5</name><VERSION>V</VERSION><BETA>0</BETA></PROGRAM>", true, false, "", "",
         false},
        {"a missing version or location is empty", "<PROGRAM><NAME>Scribora 5</NAME><BETA>0</BETA></PROGRAM>",
         true, true, "", "", false},
        {"a tag of the next block does not count",
         "<PROGRAM><NAME>Scribora 5</NAME><BETA>0</BETA></PROGRAM><PROGRAM><VERSION>V</VERSION></PROGRAM>",
         true, true, "", "", false},
        {"a block cut off is not read", "<PROGRAM><NAME>Scribora 5</NAME><VERSION>V</VERSION><BETA>0</BETA>",
         true, false, "", "", false},
        {"a bad beta in another product's block is ignored",
         block("Other 5", "1", "yes") + block("Scribora 5", "5.0.5", "0"), true, true, "5.0.5", loc, false},
        {"beta that is not an integer", block("Scribora 5", "5.0.5", "yes"), false, false, "", "", false},
        {"beta missing", "<PROGRAM><NAME>Scribora 5</NAME><VERSION>V</VERSION></PROGRAM>", false, false, "",
         "", false},
        {"beta as a decimal fraction", block("Scribora 5", "5.0.5", "1.5"), false, false, "", "", false},
        {"location with a line break inside",
         block("Scribora 5", "5.0.5", "0", "http://x.example/\r\n[SILENT]\r\n1"), false, false, "", "",
         false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const UpdateReply r = parseUpdateReply(c.reply, QStringLiteral("Scribora 5"));
        EXPECT_EQ(r.ok, c.ok);
        EXPECT_EQ(r.found, c.found);
        EXPECT_EQ(r.version, c.version);
        EXPECT_EQ(r.location, c.location);
        EXPECT_EQ(r.preRelease, c.preRelease);
        EXPECT_EQ(r.error.isEmpty(), c.ok);
    }
}
