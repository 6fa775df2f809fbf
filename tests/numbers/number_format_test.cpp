#include "numbers/number_format.h"
#include "support/number_test_support.h"

#include "runtime/exceptions.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace {

constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

struct GeneralCase {
    long double x;
    int precision;
    int expDigits;
    const char* text;
};

TEST(NumberGeneralText, PlainAndScientificForms)
{
    ScopedSeparators separators(',', ' ');
    const GeneralCase cases[] = {
        // Doubles widened, as the system formats them.
        {0.1, 15, 0, "0,1"},
        {123.0, 15, 0, "123"},
        {-45.0, 15, 0, "-45"},
        {0.0001, 15, 0, "0,0001"},
        {0.00001, 15, 0, "1E-5"},
        {1e15, 15, 0, "1E15"},
        {1e14, 15, 0, "100000000000000"},
        {0.001234, 15, 0, "0,001234"},
        {-1.5e-10, 15, 0, "-1,5E-10"},
        {1e100, 15, 0, "1E100"},
        {0.0, 15, 0, "0"},
        {-0.0, 15, 0, "0"},
        {4.9406564584124654e-324, 15, 0, "4,94065645841247E-324"},
        {123456789012345678.0, 15, 0, "1,23456789012346E17"},
        {0.25134, 4, 4, "0,2513"},
        {1234.5, 4, 4, "1235"},
        {12345.6, 4, 4, "1,235E0004"},
        {0.0, 4, 4, "0"},
        {9.9999, 4, 4, "10"},
        {99995.0, 4, 4, "1E0005"},
        {12345.6, 4, 5, "1,235E4"},
        {1.23456, 1, 0, "1,2"},
        {1e-300, 4, 4, "1E-0300"},
        {DBL_MAX, 18, 0, "1,79769313486231571E308"},
        {DBL_MAX, 30, 0, "1,79769313486231571E308"},
        // The double nearest 0.000012345 lies below the tie, the extended one on it.
        {0.000012345, 4, 4, "1,234E-0005"},
        {0.000012345L, 4, 4, "1,235E-0005"},
        {kInf, 15, 0, "INF"},
        {-kInf, 15, 0, "-INF"},
        {kNaN, 15, 0, "NAN"},
        {LDBL_TRUE_MIN, 15, 0, "0"}, // extended subnormals count as zero
        // The 18 digits come from a rounding to an integer, ties to even (also
        // in the division by 10 when the scaled value reached 10^18); only
        // later roundings are half away from zero.
        {10 + std::ldexp(1.0, -17), 18, 0, "10,0000076293945312"},
        {10 + 3 * std::ldexp(1.0, -17), 18, 0, "10,0000228881835938"},
        {1234567890123456785.0L, 18, 0, "1,23456789012345678E18"},
        {1234567890123456795.0L, 18, 0, "1,2345678901234568E18"},
    };
    for (const GeneralCase& c : cases)
        EXPECT_EQ(GeneralText(c.x, c.precision, c.expDigits), c.text) << static_cast<double>(c.x);
}

struct FixedCase {
    long double x;
    int decimals;
    const char* text;
};

TEST(NumberFixedText, DecimalsRoundHalfAwayFromZero)
{
    ScopedSeparators separators(',', ' ');
    const FixedCase cases[] = {
        {0.125, 2, "0,13"},
        {2.675, 2, "2,67"},
        {12.5, 0, "13"},
        {2.5, 0, "3"},
        {-0.004, 2, "0,00"},
        {1234.5, 1, "1234,5"},
        {5.0, 0, "5"},
        {0.5, 0, "1"},
        {-0.5, 0, "-1"},
        {-0.4, 0, "0"},
        {0.05, 1, "0,1"},
        {-0.005, 2, "-0,01"},
        {123.456, 5, "123,45600"},
        {-0.0, 2, "0,00"},
        {9.995, 2, "9,99"},
        {99.5, 0, "100"},
        {1e17, 2, "100000000000000000,00"},
        {1e18, 2, "1E18"},
        {999999999999999999.0L, 2, "999999999999999999,00"},
        {0.001, 18, "0,001000000000000000"},
        {1.5, 25, "1,500000000000000000"},
        {1.5, -1, "2"},
        {kInf, 2, "INF"},
        {-kInf, 0, "-INF"},
        {kNaN, 2, "NAN"},
        // Extended values within half a unit of the 18th digit of a tie round as the tie.
        {2.675L, 2, "2,68"},
        {2.6749999999999999995L, 2, "2,68"},
        {2.67499999999999998L, 2, "2,67"},
        {0.125L - std::ldexp(1.0L, -66), 2, "0,13"},
        {0.125L - std::ldexp(1.0L, -58), 2, "0,12"},
        // The 18-digit step ties to even, as in GeneralText.
        {100000000000000000.5L, 1, "100000000000000000,0"},
        {100000000000000001.5L, 0, "100000000000000002"},
    };
    for (const FixedCase& c : cases)
        EXPECT_EQ(FixedText(c.x, c.decimals), c.text) << static_cast<double>(c.x) << " " << c.decimals;
}

// Dyadic values m / 2^j have at most 17 significant digits here, so their 18
// digits are exact and the result is the exact value rounded half away from
// zero, computed below in integers.
TEST(NumberFixedText, ExactValuesAgainstIntegerRounding)
{
    ScopedSeparators separators('.', ',');
    std::mt19937_64 rng(3);
    for (int k = 0; k < 20000; ++k) {
        const int64_t m = static_cast<int64_t>(rng() % (1 << 20)) - (1 << 19);
        const int j = static_cast<int>(rng() % 11);
        const int d = static_cast<int>(rng() % 7);
        int64_t scale = 1;
        for (int i = 0; i < d; ++i)
            scale *= 10;
        const int64_t a = m < 0 ? -m : m;
        const int64_t rounded = (2 * a * scale + (int64_t{1} << j)) >> (j + 1);
        std::string expected((m < 0 && rounded != 0) ? "-" : "");
        expected.append(std::to_string(rounded / scale));
        if (d > 0)
            expected.append(".").append(std::to_string(scale + rounded % scale), 1, std::string::npos);
        const long double x = std::ldexp(static_cast<long double>(m), -j);
        ASSERT_EQ(FixedText(x, d), expected) << m << "/2^" << j << " d=" << d;
    }
}

TEST(NumberFixedText, FormatDirectives)
{
    ScopedSeparators separators(',', ' ');
    EXPECT_EQ(FormatFixedDirective("%0.2f", 12.345), "12,35"); // 12.345 is stored above the tie
    EXPECT_EQ(FormatFixedDirective("%0.0f", 2.5), "3");
    EXPECT_EQ(FormatFixedDirective("%0.1f", -0.25), "-0,3");
    EXPECT_EQ(FormatFixedDirective("%0.1F", 7.0), "7,0");
    EXPECT_EQ(FormatFixedDirective("%.f", 1.0), "1,00");
    EXPECT_EQ(FormatFixedDirective("%0.19f", 1.0), "1,00");
    EXPECT_EQ(FormatFixedDirective("%6.1f", 1.25), "   1,3");
    for (const char* bad : {"", "0.2f", "%0.2", "%0.2g", "%0.2fx", "%a.2f"})
        EXPECT_THROW(FormatFixedDirective(bad, 1.0), EConvertError) << bad;
}

TEST(NumberIntegerText, BothWidthsIncludingTheirMinimum)
{
    const std::pair<int64_t, const char*> cases[] = {
        {0, "0"},
        {7, "7"},
        {-1, "-1"},
        {1000000, "1000000"},
        {INT32_MAX, "2147483647"},
        {INT32_MIN, "-2147483648"},
        {INT64_MAX, "9223372036854775807"},
        {INT64_MIN, "-9223372036854775808"},
    };
    ScopedSeparators separators(',', ' ');
    for (const auto& [n, text] : cases)
        EXPECT_EQ(IntegerText(n), text);
}

// The separators are read at every conversion: a change shows in the next one.
TEST(NumberSeparators, FollowTheCurrentSetting)
{
    {
        ScopedSeparators separators(',', '\xA0');
        EXPECT_EQ(FixedText(1.25, 2), "1,25");
        EXPECT_EQ(PatternText("#,##0.00", 1234567.891),
                  "1\xA0"
                  "234\xA0"
                  "567,89");
        EXPECT_EQ(GeneralText(1.5e-7, 15, 0), "1,5E-7");
    }
    {
        ScopedSeparators separators(',', ',');
        EXPECT_EQ(PatternText("#,##0.00", 1234567.891), "1,234,567,89");
        EXPECT_EQ(FixedText(-3.5, 1), "-3,5");
    }
    ScopedSeparators separators('.', ',');
    EXPECT_EQ(FixedText(1.25, 2), "1.25");
    EXPECT_EQ(PatternText("#,##0.00", 1234567.891), "1,234,567.89");
}

} // namespace
