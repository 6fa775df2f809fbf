#include "numbers/number_format.h"
#include "support/number_test_support.h"

#include "runtime/exceptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace {

struct PatternCase {
    const char* pattern;
    long double x;
    const char* text;
};

void ExpectAll(const PatternCase* begin, const PatternCase* end)
{
    for (const PatternCase* c = begin; c != end; ++c)
        EXPECT_EQ(PatternText(c->pattern, c->x), c->text)
            << '"' << c->pattern << "\" " << static_cast<double>(c->x);
}

TEST(NumberPatternText, FixedPlacesAndGroups)
{
    ScopedSeparators separators(',', ' ');
    const PatternCase cases[] = {
        {"0.000", 1.5, "1,500"},
        {"0.000", -0.0004, "0,000"},
        {"0.000", -0.0005, "-0,001"},
        {"0.000", 12.3456, "12,346"},
        {"0.000", 0.0, "0,000"},
        {"0.000", -0.0, "0,000"},
        {"0.000", -3.45, "-3,450"},
        {"0.000", 0.0625, "0,063"},
        {"0.000", 1e19, "1E19"},
        {"#,##0.###", 1234.5, "1 234,5"},
        {"#,##0.###", 0.5, "0,5"},
        {"#,##0.###", 12.0, "12"},
        {"#,##0.###", 1234567.0, "1 234 567"},
        {"#,##0.###", 0.05, "0,05"},
        {"#,##0.###", -1234.5, "-1 234,5"},
        {"#,##0.###", 0.0004, "0"},
        {"#,##0", 1234567890123.0, "1 234 567 890 123"},
        {"#,##0", 999.5, "1 000"},
        {"#", 0.0, ""},
        {"#", 12.6, "13"},
        {"00000", 42.0, "00042"},
        {"0.###", 1.0, "1"},
        {"#.00", 0.5, ",50"},
        {"0", -0.4, "0"},
        {"", 1.5, "1,5"},
        {";0.0", 1.5, "1,5"},
    };
    ExpectAll(std::begin(cases), std::end(cases));
}

TEST(NumberPatternText, SectionsQuotesAndLiterals)
{
    ScopedSeparators separators(',', ' ');
    const PatternCase cases[] = {
        {"0.00;(0.00)", -1.5, "(1,50)"},
        {"0.00;(0.00)", 1.5, "1,50"},
        {"0.00;(0.00);\"zero\"", 0.0, "zero"},
        {"0.00;(0.00);\"zero\"", -0.001, "zero"},
        {"0.00;(0.00);\"zero\"", -0.0, "zero"},
        {"0.00;(0.00);zero", 0.004, "zero"},
        {"0.00;;zero", -1.5, "-1,50"},
        {"0.00;(0.00)", -0.001, "0,00"},
        {"0.0 'Hz'", 12.34, "12,3 Hz"},
        {"\"a;b\"0", 5.0, "a;b5"},
        {"'0.0'0", 5.0, "0.05"},
        {"0 Eur", 5.0, "5 Eur"},
        {"0;1;2;3", 0.0, "2"},
        {"'unclosed 0", 1.0, "unclosed 0"},
        {"[0.0]", -2.25, "-[2,3]"},
    };
    ExpectAll(std::begin(cases), std::end(cases));
}

TEST(NumberPatternText, ScientificForm)
{
    ScopedSeparators separators(',', ' ');
    const PatternCase cases[] = {
        {"0.00E+00", 12345.0, "1,23E+04"},
        {"0.00E+00", 0.00012345, "1,23E-04"},
        {"0.00E-00", 12345.0, "1,23E04"},
        {"0.00e+0", 1.0, "1,00e+0"},
        {"0E+0000", 0.0, "0E+0000"},
        {"0.000E+00000", 1234.0, "1,234E+0003"},
        {"0.00E+00", -9.999, "-1,00E+01"},
        {"00.0E+0", 1234.0, "12,3E+2"},
        {"0.00E+00", std::numeric_limits<long double>::infinity(), "INF"},
        {"0.000", std::numeric_limits<long double>::quiet_NaN(), "NAN"},
    };
    ExpectAll(std::begin(cases), std::end(cases));
}

TEST(NumberPatternText, PatternLengthLimit)
{
    EXPECT_EQ(PatternText(std::string(224, '0'), 1.0), std::string(223, '0') + "1");
    EXPECT_THAT([] { PatternText(std::string(225, '0'), 1.0); },
                ::testing::ThrowsMessage<EConvertError>(::testing::StrEq("Format string too long")));
}

// "0.000" writes what FixedText(x, 3) writes; "#,##0.###" the same with
// groups and without trailing zeros.
TEST(NumberPatternText, AgreesWithFixedText)
{
    ScopedSeparators separators('.', '\xA0');
    std::mt19937_64 rng(99);
    for (int k = 0; k < 20000; ++k) {
        const double magnitude = std::pow(10.0, static_cast<double>(rng() % 18) - 3);
        const double x = (static_cast<double>(rng() % 2000000) / 1000000.0 - 1.0) * magnitude;
        const std::string fixed = FixedText(x, 3);
        ASSERT_EQ(PatternText("0.000", x), fixed) << x;

        std::string trimmed = fixed;
        while (trimmed.back() == '0')
            trimmed.pop_back();
        if (trimmed.back() == '.')
            trimmed.pop_back();
        if (trimmed == "0" || trimmed.empty()) {
            ASSERT_EQ(PatternText("#,##0.###", x), "0") << x;
            continue;
        }
        const size_t digitsBegin = trimmed[0] == '-' ? 1 : 0;
        size_t digitsEnd = trimmed.find('.');
        if (digitsEnd == std::string::npos)
            digitsEnd = trimmed.size();
        for (size_t at = digitsEnd; at > digitsBegin + 3; at -= 3)
            trimmed.insert(at - 3, 1, '\xA0');
        ASSERT_EQ(PatternText("#,##0.###", x), trimmed) << x;
    }
}

} // namespace
