#include "core/online/UpdateDecision.h"

#include "core/Version.h"

#include <gtest/gtest.h>

using namespace scribora::online;

TEST(UpdateDecision, WhenAnUpdateApplies)
{
    struct Case
    {
        const char *current;
        const char *available;
        bool currentPre;
        bool availablePre;
        bool applies;
    };
    const Case cases[] = {
        {"5.0.3", "5.0.4", false, false, true},
        {"5.0.4", "5.0.4", false, false, false},
        {"5.0.5", "5.0.4", false, false, false},
        {"5.0.9", "5.0.10", false, false, false}, // byte order, not numbers
        {"5.0.10", "5.0.9", false, false, true},
        {"5.0.4", "", false, false, false},       // nothing available
        {"5.1 Beta Build 7", "5.1 Beta Build 9", true, true, true},
        {"5.1 Beta Build 7", "5.1 Beta Build 5", true, true, false},
        {"5.1 Beta Build 9", "5.1 Beta Build 10", true, true, false}, // "10" sorts first
        {"5.1 Beta Build 7", "5.1 Beta Build 7", true, true, false},
        {"5.1 Beta Build 9", "5.2 Beta Build 1", true, true, false},  // build numbers decide
        {"5.1 Beta Build x", "5.2 Beta Build 1", true, true, true},   // no number: the text decides
        {"5.1 Beta", "5.2 Beta", true, true, true},
        {"5.1 Beta Build 7", "5.0", true, false, true}, // a release replaces a pre-release
        {"5.1 Beta Build 7", "", true, false, true},
        {"5.0.3", "5.9 Beta Build 1", false, true, false}, // never a pre-release over a release
    };
    for (const Case &c : cases) {
        EXPECT_EQ(updateApplies(QString::fromLatin1(c.current), c.currentPre, QString::fromLatin1(c.available),
                                c.availablePre),
                  c.applies)
            << c.current << " -> " << c.available;
    }
}

TEST(UpdateDecision, CurrentVersionTextAndExpectedName)
{
    EXPECT_EQ(currentVersionText({"Scribora", "5.0.4", "112", 5}), QStringLiteral("5.0.4"));
    EXPECT_EQ(currentVersionText({"Scribora", "5.1 Beta", "7", 5}), QStringLiteral("5.1 Beta Build 7"));
    EXPECT_EQ(currentVersionText({"Scribora", "5.1 beta", "7", 5}), QStringLiteral("5.1 beta"));
    EXPECT_TRUE(isPreReleaseText(QStringLiteral("5.1 Beta Build 7")));
    EXPECT_FALSE(isPreReleaseText(QStringLiteral("5.1 BETA")));
    EXPECT_EQ(expectedReplyName({"Scribora", "5.0.4", "112", 5}), QStringLiteral("Scribora 5"));
    EXPECT_EQ(preReleaseBuildNumber(QStringLiteral("5.1 Beta Build  12 ")), 12);
    EXPECT_EQ(preReleaseBuildNumber(QStringLiteral("5.1 Beta")), -1);

    const ProductIdentity self = ProductIdentity::running();
    EXPECT_EQ(self.name, QLatin1String(scribora::version::productName));
    EXPECT_EQ(self.major, scribora::version::major);
    EXPECT_TRUE(self.version.startsWith(QString::number(self.major) + QLatin1Char('.')));
}
