#include "core/online/UpdaterInstructions.h"

#include "support/TempDir.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace scribora::online;

TEST(UpdaterInstructions, WritesTheExactBytesOverAnyEarlierFile)
{
    TempDir dir;
    const QString path = dir.file("update.cfg");
    ASSERT_TRUE(TempDir::writeBytes(path, QByteArray(4000, 'o')));
    ASSERT_TRUE(writeUpdaterInstructions(dir.path() + QLatin1Char('/'), QStringLiteral("Scribora"),
                                         QStringLiteral("http://dl.velvane.example/s.zip"), false));
    EXPECT_EQ(TempDir::readBytes(path), QByteArray("[APP Name]\r\nScribora\r\n\r\n"
                                                   "[URL]\r\nhttp://dl.velvane.example/s.zip\r\n\r\n"
                                                   "[SILENT]\r\n0\r\n"));
    EXPECT_TRUE(updaterInstructions(QStringLiteral("Scribora"), QString(), true).endsWith("[SILENT]\r\n1\r\n"));
    EXPECT_EQ(updaterInstructions(QString::fromUtf8("Caf\u00e9"), QStringLiteral("x"), false).mid(12, 4),
              QByteArray("Caf\xE9"));
}

TEST(UpdaterInstructions, RefusesForgedLinesAndUnwritableFolders)
{
    TempDir dir;
    EXPECT_FALSE(writeUpdaterInstructions(dir.path(), QStringLiteral("Scribora"),
                                          QStringLiteral("http://x.example/\r\n[SILENT]\r\n1"), false));
    EXPECT_FALSE(writeUpdaterInstructions(dir.path(), QStringLiteral("Scri\nbora"), QStringLiteral("x"), false));
    EXPECT_FALSE(QFileInfo::exists(dir.file("update.cfg")));
    EXPECT_FALSE(writeUpdaterInstructions(dir.file("missing/"), QStringLiteral("Scribora"), QStringLiteral("x"),
                                          false));
}
