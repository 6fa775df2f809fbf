#include "runtime/code_page.h"

#include <gtest/gtest.h>

TEST(CodePage, CyrillicAndSpecialCharactersRoundTrip)
{
    const std::string bytes = "\xC3\xE0\xF0\xEC\xEE\xED\xE8\xEA\xE0\t\xA8\xB8\xA0\xB9";
    const QString text = FromCp1251(bytes);
    EXPECT_EQ(text, QString::fromUtf8("Гармоника\tЁё\u00A0№"));
    EXPECT_EQ(ToCp1251(text), bytes);
}

TEST(CodePage, EveryAssignedByteRoundTripsAndUnmappableCharactersBecomeQuestionMarks)
{
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98)
            continue; // the one unassigned byte
        const std::string one(1, char(b));
        EXPECT_EQ(ToCp1251(FromCp1251(one)), one) << b;
    }
    EXPECT_EQ(ToCp1251(QString::fromUtf8("a\u4E2Dz")), "a?z");
    EXPECT_EQ(Cp("Выход"), "\xC2\xFB\xF5\xEE\xE4");
}
