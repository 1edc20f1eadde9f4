#include "core/text/VersionText.h"

#include <gtest/gtest.h>

using scribora::text::compareVersionText;

TEST(VersionText, ComparesBytesNotNumbers)
{
    struct Case { const char *a, *b; int expected; };
    const Case cases[] = {
        {"5.03", "5.03", 0}, {"5.03", "5.0", 1},  {"5.0", "5.03", -1},
        {"4.10", "4.04", 1}, {"10.0", "4", -1},   {"4.01", "5.04", -1},
        {"", "3.01", -1},    {"5.04 ", "5.04", 1}, {"\xE9", "z", 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(compareVersionText(QString::fromLatin1(c.a), QString::fromLatin1(c.b)), c.expected)
            << c.a << " vs " << c.b;
}
