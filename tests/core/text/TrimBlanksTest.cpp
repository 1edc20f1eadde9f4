#include "core/text/TrimBlanks.h"

#include <gtest/gtest.h>

TEST(TrimBlanks, CutsSpacesAndControlsButKeepsOtherSpaces)
{
    using scribora::text::trimBlanks;
    EXPECT_EQ(trimBlanks(u" \t\r\n Name \x01"), u"Name");
    EXPECT_EQ(trimBlanks(u"a b"), u"a b");
    EXPECT_EQ(trimBlanks(u"  \t "), u"");
    EXPECT_EQ(trimBlanks(u"\u00A0x\u00A0"), u"\u00A0x\u00A0");
}
