#include "widgets/qt_text.h"

#include <gtest/gtest.h>

TEST(QtText, CyrillicAndSpecialCharactersRoundTrip)
{
    const std::string bytes = "\xC3\xE0\xF0\xEC\xEE\xED\xE8\xEA\xE0\t\xA8\xB8\xA0\xB9\x98";
    const QString text = FromCp1251(bytes);
    EXPECT_EQ(text, QString::fromUtf8("Гармоника\tЁё\u00A0№\uFFFD"));
    EXPECT_EQ(ToCp1251(text), "\xC3\xE0\xF0\xEC\xEE\xED\xE8\xEA\xE0\t\xA8\xB8\xA0\xB9?");
    EXPECT_EQ(ToCp1251(QString::fromUtf8("a\u4E2Dz\U0001D7CE")), "a?z?");
}
