#include "runtime/code_page.h"

#include <gtest/gtest.h>

TEST(CodePage, CyrillicAndSpecialCharactersRoundTrip)
{
    const std::string bytes = "\xC3\xE0\xF0\xEC\xEE\xED\xE8\xEA\xE0\t\xA8\xB8\xA0\xB9";
    const std::string utf8 = "Гармоника\tЁё\u00A0№";
    EXPECT_EQ(Utf8ToCp1251(utf8), bytes);
    EXPECT_EQ(Cp("Выход"), "\xC2\xFB\xF5\xEE\xE4");
}

TEST(CodePage, EveryAssignedByteRoundTripsAndUnmappableCharactersBecomeQuestionMarks)
{
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        if (b == 0x98) { // the one unassigned byte
            EXPECT_EQ(Cp1251ToUnicode(0x98), u'\uFFFD');
            continue;
        }
        char back = 0;
        ASSERT_TRUE(UnicodeToCp1251(Cp1251ToUnicode(static_cast<unsigned char>(b)), back));
        EXPECT_EQ(back, char(b));
    }
    EXPECT_EQ(Cp1251ToUnicode(0xB9), u'\u2116');
    EXPECT_EQ(Utf8ToCp1251("a\u4E2Dz\U0001D7CE!"), "a?z?!");
}

TEST(CodePage, MalformedUtf8GivesOneQuestionMarkPerBadByte)
{
    EXPECT_EQ(Utf8ToCp1251("a\x80z"), "a?z");              // stray continuation byte
    EXPECT_EQ(Utf8ToCp1251("\xD0"), "?");                  // cut off at the end
    EXPECT_EQ(Utf8ToCp1251("\xC0\xAF"), "??");             // overlong "/"
    EXPECT_EQ(Utf8ToCp1251("\xED\xA0\x80"), "???");        // a surrogate half
    EXPECT_EQ(Utf8ToCp1251("\xD0\x41\xD0\x90"), "?A\xC0"); // broken, then a whole "А"
}
