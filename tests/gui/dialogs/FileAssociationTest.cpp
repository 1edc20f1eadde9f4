#include "gui/dialogs/FileAssociation.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

using scribora::gui::FileAssociation;

TEST(FileAssociation, WritesAMimeTypeAndADesktopEntryThatPassesTheFile)
{
    TempDir data;
    ASSERT_TRUE(FileAssociation::RegisterProjectFileType(QStringLiteral("/opt/My Apps/scribora"), data.path()));

    const QString mime = QString::fromUtf8(TempDir::readBytes(data.file(QStringLiteral("mime/packages/scribora.xml"))));
    EXPECT_TRUE(mime.contains(QStringLiteral("<glob pattern=\"*.cdprj\"/>")));
    EXPECT_TRUE(mime.contains(QStringLiteral("type=\"application/x-scribora-project\"")));

    const QString desktop = QString::fromUtf8(TempDir::readBytes(data.file(QStringLiteral("applications/scribora.desktop"))));
    EXPECT_TRUE(desktop.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nExec=\"/opt/My Apps/scribora\" %f\n"))) << desktop.toStdString();
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nMimeType=application/x-scribora-project;\n")));

    // Registering again at the next start replaces the files with the same content.
    ASSERT_TRUE(FileAssociation::RegisterProjectFileType(QStringLiteral("/opt/My Apps/scribora"), data.path()));
    EXPECT_EQ(QString::fromUtf8(TempDir::readBytes(data.file(QStringLiteral("applications/scribora.desktop")))), desktop);
}

TEST(FileAssociation, QuotesAwkwardProgramPathsForTheExecLine)
{
    TempDir data;
    ASSERT_TRUE(FileAssociation::RegisterProjectFileType(QStringLiteral("/x/a\"b$c/scribora"), data.path()));
    const QString desktop = QString::fromUtf8(TempDir::readBytes(data.file(QStringLiteral("applications/scribora.desktop"))));
    // Exec quoting escapes " and $ with a backslash; the key file doubles the backslash.
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nExec=\"/x/a\\\\\"b\\\\$c/scribora\" %f\n"))) << desktop.toStdString();
}

TEST(FileAssociation, FailsSilentlyWhereNothingCanBeWritten)
{
    TempDir data;
    const QString blocker = data.file(QStringLiteral("file"));
    ASSERT_TRUE(TempDir::writeBytes(blocker, "x"));
    EXPECT_FALSE(FileAssociation::RegisterProjectFileType(QStringLiteral("/opt/scribora"), blocker));
}
