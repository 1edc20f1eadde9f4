#include "CliTestSupport.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kDesign = "object frmDesignClassic: TfrmDesignClassic\n"
                           "  Caption = 'Menu'\n"
                           "  Wobble = 1\n"
                           "  object Panel0: TdxfGroupBox\n"
                           "    Color = $FF00000F\n"
                           "    object Button0: TKXButton\n"
                           "      DoAction = 3\n"
                           "    end\n"
                           "  end\n"
                           "end\n";

} // namespace

TEST(DesignCommands, CheckPrintsTheComponentTree)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("Menu.cfg"));
    TempDir::writeBytes(path, kDesign);
    CliRun r = runCliCapture({QStringLiteral("design"), QStringLiteral("check"), path});
    EXPECT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.out.startsWith(QLatin1String("frmDesignClassic: TfrmDesignClassic\n"
                                               "  Panel0: TdxfGroupBox\n"
                                               "    Button0: TKXButton\n"
                                               "  CoolFormHook1: TCoolFormHook\n")))
        << qPrintable(r.out);
    EXPECT_TRUE(r.err.contains(QLatin1String("line 3: frmDesignClassic.Wobble: unknown property skipped")));
}

TEST(DesignCommands, CheckReportsTheLineOfAnError)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("Menu.cfg"));
    TempDir::writeBytes(path, "object F: TF\n  object B: TNoSuch\n  end\nend\n");
    CliRun r = runCliCapture({QStringLiteral("design"), QStringLiteral("check"), path});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QLatin1String("line 2: class TNoSuch not found"))) << qPrintable(r.err);
    EXPECT_TRUE(r.out.isEmpty());

    CliRun usage = runCliCapture({QStringLiteral("design"), QStringLiteral("frob")});
    EXPECT_EQ(usage.code, 2);
}

TEST(DesignCommands, NormalizeWritesCanonicalTextThatIsStable)
{
    TempDir dir;
    const QString in = dir.file(QStringLiteral("in.cfg"));
    const QString out = dir.file(QStringLiteral("out.cfg"));
    TempDir::writeBytes(in, kDesign);
    CliRun r = runCliCapture({QStringLiteral("design"), QStringLiteral("normalize"), in, out});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    const QByteArray first = TempDir::readBytes(out);
    EXPECT_EQ(TempDir::readBytes(in), kDesign) << "the input stays as it was";
    EXPECT_TRUE(first.contains("\r\n      DoAction = 3\r\n"));
    EXPECT_FALSE(first.contains("Wobble"));
    EXPECT_FALSE(first.contains("$FF00000F"));

    // In place, a second time: the same bytes.
    ASSERT_EQ(runCliCapture({QStringLiteral("design"), QStringLiteral("normalize"), out}).code, 0);
    EXPECT_EQ(TempDir::readBytes(out), first);
}
