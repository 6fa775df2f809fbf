#include "numbers/locale_separators.h"
#include "support/number_test_support.h"
#include "widgets/system_locale.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QString>

namespace {

TEST(NumberLocaleSeparators, OneWindows1251ByteOrTheFallback)
{
    const std::pair<QString, char> cases[] = {
        {QStringLiteral(","), ','},
        {QStringLiteral("."), '.'},
        {QString(QChar(0x00A0)), '\xA0'}, // no-break space
        {QString(QChar(0x2019)), '\x92'}, // right single quotation mark
        {QString(), '#'},
        {QStringLiteral("ab"), '#'},
        {QString(QChar(0x066B)), '#'}, // Arabic decimal separator: not in 1251
        {QString::fromUcs4(U"\U0001D7CE"), '#'},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(SeparatorByte(text, '#'), expected) << text.toStdString();
}

TEST(NumberLocaleSeparators, TakenFromTheLocale)
{
    ScopedSeparators restore('?', '?');
    ApplyLocaleSeparators(QLocale(QLocale::Russian, QLocale::Russia));
    EXPECT_EQ(DecimalPointChar(), ',');
    EXPECT_EQ(DigitGroupChar(), '\xA0');
    ApplyLocaleSeparators(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(DecimalPointChar(), '.');
    EXPECT_EQ(DigitGroupChar(), ',');
    ApplyLocaleSeparators(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(DecimalPointChar(), ',');
    EXPECT_EQ(DigitGroupChar(), '.');
    SetLocaleSeparators('?', '?');
    ReadLocaleSeparators();
    EXPECT_EQ(DecimalPointChar(), SeparatorByte(QLocale::system().decimalPoint(), '.'));
    EXPECT_EQ(DigitGroupChar(), SeparatorByte(QLocale::system().groupSeparator(), ','));
}

} // namespace
