#include "core/project/StringValidation.h"

#include <gtest/gtest.h>

using scribora::project::StringValidation;

TEST(StringValidation, CutsBeforeTheFirstInvalidCharacter)
{
    struct Case
    {
        const char *input, *expected;
    };
    const Case cases[] = {
        {"My Game", "My Game"},
        {"Disc 2.0 Final", "Disc 2"},
        {"Tools & Games", "Tools "},
        {"(draft)", ""},
        {"", ""},
        {"Name; other. more", "Name"}, // the earliest cut wins, whatever the set's order
        {"it's \"ok\" ~_ D:\\x", "it's \"ok\" ~_ D:\\x"},
    };
    const StringValidation v;
    for (const Case &c : cases)
        EXPECT_EQ(v.Clean(QString::fromLatin1(c.input)), QString::fromLatin1(c.expected)) << c.input;
}

TEST(StringValidation, SetCanBeExtendedOrEmptied)
{
    StringValidation v;
    EXPECT_EQ(v.GetInvalidCharacters(), "!@#$%^&*()+-=/|{}[]<>,.?;");
    EXPECT_EQ(v.GetInvalidCharacters().size(), 25);
    v.SetInvalidCharacters(v.GetInvalidCharacters() + ":\\");
    EXPECT_EQ(v.Clean("D:\\Menu"), "D");
    EXPECT_EQ(v.Clean("Back\\slash"), "Back");
    v.SetInvalidCharacters(QString());
    EXPECT_EQ(v.Clean("a.b(c)"), "a.b(c)");
}
