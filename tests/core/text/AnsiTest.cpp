#include "core/text/Ansi.h"

#include <gtest/gtest.h>

using namespace scribora::text;

TEST(Ansi, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(toAnsi(fromAnsi(all)), all);
}

TEST(Ansi, MapsTheCodePageAndReplacesWhatItCannotHold)
{
    EXPECT_EQ(fromAnsi("\x80\xE9\x9F"), QString::fromUtf16(u"\u20AC\u00E9\u0178"));
    EXPECT_EQ(toAnsi(QString::fromUtf16(u"\u20AC\u00E9\u0178")), QByteArray("\x80\xE9\x9F"));
    // Cyrillic, CJK and a surrogate pair are outside the code page.
    EXPECT_EQ(toAnsi(QString::fromUtf16(u"a\u0416b\u4E2D\U0001F600")), QByteArray("a?b???"));
    EXPECT_FALSE(isAnsiRepresentable(QString::fromUtf16(u"\u0416")));
    EXPECT_TRUE(isAnsiRepresentable(QString::fromUtf16(u"Caf\u00E9 \u20AC")));
}

TEST(Ansi, CaseMappingStaysInsideTheCodePage)
{
    struct Case { const char16_t *in, *lower, *upper; };
    const Case cases[] = {
        {u"ABC xyz", u"abc xyz", u"ABC XYZ"},
        {u"\u00C9t\u00E9", u"\u00E9t\u00E9", u"\u00C9T\u00C9"},
        {u"\u0160\u0161\u0152\u0153\u017D\u017E", u"\u0161\u0161\u0153\u0153\u017E\u017E",
         u"\u0160\u0160\u0152\u0152\u017D\u017D"},
        {u"\u00FF\u0178", u"\u00FF\u00FF", u"\u0178\u0178"},
        // sharp s and micro sign have no single-character upper case in the code page
        {u"\u00DF\u00B5", u"\u00DF\u00B5", u"\u00DF\u00B5"},
    };
    for (const Case &c : cases) {
        const QString in = QString::fromUtf16(c.in);
        EXPECT_EQ(ansiLower(in), QString::fromUtf16(c.lower)) << in.toStdString();
        EXPECT_EQ(ansiUpper(in), QString::fromUtf16(c.upper)) << in.toStdString();
    }
    EXPECT_EQ(compareAnsiCaseInsensitive(u"\u00C9cole", u"\u00E9COLE"), 0);
    EXPECT_LT(compareAnsiCaseInsensitive(u"abc", u"ABD"), 0);
    EXPECT_GT(compareAnsiCaseInsensitive(u"abcd", u"ABC"), 0);
}
