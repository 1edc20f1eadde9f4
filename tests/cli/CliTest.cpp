#include "CliTestSupport.h"

#include <gtest/gtest.h>

TEST(Cli, UnknownCommandAndNoArgumentsAreUsageErrors)
{
    CliRun none = runCliCapture({});
    EXPECT_EQ(none.code, 2);
    EXPECT_TRUE(none.err.contains(QLatin1String("usage:")));

    CliRun bad = runCliCapture({QStringLiteral("frobnicate")});
    EXPECT_EQ(bad.code, 2);
    EXPECT_TRUE(bad.err.startsWith(QLatin1String("scribora-cli: unknown command 'frobnicate'")));
    EXPECT_TRUE(bad.out.isEmpty());
}

TEST(Cli, VersionCommandIsRegistered)
{
    CliRun r = runCliCapture({QStringLiteral("version")});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.startsWith(QLatin1String("Scribora 5.")));
}
