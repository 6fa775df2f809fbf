#include "numbers/float_model.h"
#include "numbers/number_format.h"
#include "numbers/number_parse.h"
#include "support/number_test_support.h"

#include "runtime/exceptions.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

namespace {

__extension__ typedef unsigned __int128 Uint128;

struct FloatCase {
    const char* text;
    long double value; // on failure: the unscaled mantissa read so far
    int position;
};

TEST(NumberParseFloat, SyntaxAndErrorPositions)
{
    const FloatCase cases[] = {
        {"1.5", 1.5L, 0}, {" 1.5", 1.5L, 0},   {"1.5 ", 15, 4},   {"1,5", 1, 2},        {"\t1.5", 0, 1},
        {"", 0, 1},       {"-", 0, 2},         {"+", 0, 2},       {"   ", 0, 4},        {" -", 0, 3},
        {"+7", 7, 0},     {"1E3", 1000, 0},    {"1e+3", 1000, 0}, {"2.5e-1", 0.25L, 0}, {"1e", 1, 3},
        {"1e+", 1, 4},    {"1e-x", 1, 4},      {".", 0, 0},       {"e5", 0, 0},         {".e5", 0, 0},
        {"-.", -0.0L, 0}, {"5.", 5, 0},        {".5", 0.5L, 0},   {"12,5", 12, 3},      {"1.2.3", 12, 4},
        {"+-1", 0, 2},    {"0x10", 0, 2},      {"1 2", 1, 2},     {"007.50", 7.5L, 0},  {"1e05", 1e5L, 0},
        {"1E-0", 1, 0},   {"3.25e1x", 325, 7},
    };
    for (const FloatCase& c : cases) {
        const FloatParse r = ParseFloat(c.text);
        EXPECT_EQ(r.errorPosition, c.position) << '"' << c.text << '"';
        EXPECT_TRUE(SameBits(r.value, c.value)) << '"' << c.text << "\" gave " << r.value;
    }
}

TEST(NumberParseFloat, SignOfZero)
{
    for (const char* text : {"-0", "-.", "-0e5", "-0.000", " -0"})
        EXPECT_TRUE(std::signbit(ParseFloat(text).value)) << text;
    for (const char* text : {"0", "+0", ".", "0e-3"})
        EXPECT_FALSE(std::signbit(ParseFloat(text).value)) << text;
}

// Up to 19 digits with a scale of at most 10^27 are one exactly rounded
// operation by an exact power of ten, which is what a correctly rounding
// strtold gives.
TEST(NumberParseFloat, ShortTextsMatchCorrectRounding)
{
    std::mt19937_64 rng(20261208);
    for (int k = 0; k < 20000; ++k) {
        const int digits = 1 + static_cast<int>(rng() % 19);
        std::string mantissa;
        for (int d = 0; d < digits; ++d)
            mantissa += static_cast<char>('0' + rng() % 10);
        const int point = static_cast<int>(rng() % (digits + 1));
        const int fraction = digits - point;
        const int exponent = static_cast<int>(rng() % 55) - 27 + fraction; // scale -27..27
        std::string text(rng() & 1 ? "-" : "");
        text.append(mantissa, 0, point).append(".").append(mantissa, point);
        if (exponent != 0 || rng() & 1)
            text.append("e").append(std::to_string(exponent));
        const long double expected = std::strtold(text.c_str(), nullptr);
        const FloatParse r = ParseFloat(text);
        ASSERT_EQ(r.errorPosition, 0) << text;
        ASSERT_TRUE(SameBits(r.value, expected)) << text;
    }
}

// Rounds an integer to a 64-bit significand, ties to even.
Uint128 RoundTo64Bits(Uint128 v)
{
    int shift = 0;
    while ((v >> shift) >> 64)
        ++shift;
    if (shift == 0)
        return v;
    const Uint128 unit = static_cast<Uint128>(1) << shift;
    Uint128 kept = v >> shift;
    const Uint128 rest = v & (unit - 1);
    if (rest > unit / 2 || (rest == unit / 2 && (kept & 1)))
        ++kept;
    return kept << shift; // a carry to 2^64 is still a 64-bit significand
}

long double ToExtended(Uint128 v)
{
    return std::ldexp(static_cast<long double>(static_cast<uint64_t>(v >> 64)), 64) +
        static_cast<long double>(static_cast<uint64_t>(v));
}

// Beyond 19 digits every step M * 10 + digit is rounded to extended; the
// reference does that rounding in integer arithmetic.
TEST(NumberParseFloat, LongDigitStringsRoundEveryStep)
{
    std::mt19937_64 rng(7);
    std::vector<std::string> texts = {"18446744073709551615", "18446744073709551619", "98765432109876543210",
                                      "12345678901234567890"};
    for (int k = 0; k < 2000; ++k) {
        std::string t(1, static_cast<char>('1' + rng() % 9));
        const int length = 20 + static_cast<int>(rng() % 18);
        while (static_cast<int>(t.size()) < length)
            t += static_cast<char>('0' + rng() % 10);
        texts.push_back(t);
    }
    for (const std::string& t : texts) {
        Uint128 m = 0;
        for (char c : t)
            m = RoundTo64Bits(RoundTo64Bits(m * 10) + static_cast<unsigned>(c - '0'));
        const FloatParse r = ParseFloat(t);
        ASSERT_EQ(r.errorPosition, 0);
        ASSERT_TRUE(SameBits(r.value, ToExtended(m))) << t;
    }
}

TEST(NumberParseFloat, ExtremeExponents)
{
    const long double big = ParseFloat("1e4932").value;
    EXPECT_NEAR(static_cast<double>(big / std::strtold("1e4932", nullptr)), 1.0, 1e-18);
    const long double tiny = ParseFloat("1e-4940").value;
    EXPECT_GT(tiny, 0.0L);
    EXPECT_LT(tiny, LDBL_MIN);
    for (const char* zero : {"1e-5000", "1e-99999999999", "0e99999", "0e6000", "-0e6000"})
        EXPECT_EQ(ParseFloat(zero).value, 0.0L) << zero;
    for (const char* over : {"2e4932", "1e5000", "1e99999999999", "-1e5000"})
        EXPECT_THROW(ParseFloat(over), EOverflow) << over;
    const std::string digits = "1" + std::string(5000, '0');
    EXPECT_THROW(ParseFloat(digits), EOverflow);
    // Rejected text leaves no fault behind, even when its mantissa overflowed.
    ClearFpFaults();
    EXPECT_EQ(ParseFloat(digits + "x").errorPosition, 5002);
    EXPECT_NO_THROW(CheckFpFaults());
}

// The store's own limits are FloatModelStore's.
TEST(NumberParseFloat, StoringToDoubleIsTheSecondRounding)
{
    EXPECT_EQ(StoreDouble(ParseFloat("4.9e-324").value), 4.9406564584124654e-324);
    for (const char* text : {"0.1", "-0.123", "12.75", "1.5e-3", "2.675", "123456789.987654321"})
        EXPECT_EQ(StoreDouble(ParseFloat(text).value), static_cast<double>(std::strtold(text, nullptr)))
            << text;
}

// Every line the test-data generator writes ("0.000" texts of values within
// +-3.45) reads back to a double that writes the same text again. Where the
// system writes ",", the reader still takes only "." and stops at the comma.
TEST(NumberParseFloat, GeneratorTextsRoundTrip)
{
    ScopedSeparators dot('.', ' ');
    for (int k = -3500; k <= 3500; ++k) {
        const int a = k < 0 ? -k : k;
        std::string text(k < 0 ? "-" : "");
        text.append(std::to_string(a / 1000)).append(".").append(std::to_string(1000 + a % 1000), 1, 3);
        const FloatParse r = ParseFloat(text);
        ASSERT_EQ(r.errorPosition, 0) << text;
        ASSERT_EQ(PatternText("0.000", StoreDouble(r.value)), text);
    }
    ScopedSeparators comma(',', ' ');
    const FloatParse r = ParseFloat("-3,450");
    EXPECT_EQ(r.errorPosition, 3);
    EXPECT_EQ(r.value, 3.0L);
    EXPECT_EQ(PatternText("0.000", StoreDouble(ParseFloat("-3.450").value)), "-3,450");
}

struct IntegerCase {
    const char* text;
    int32_t value;
    int position; // 0 when the text is a number
};

TEST(NumberParseInteger, DecimalAndHexadecimalForms)
{
    const IntegerCase cases[] = {
        {"32", 32, 0},
        {" 32", 32, 0},
        {"32 ", 0, 3},
        {"", 0, 1},
        {"  ", 0, 3},
        {"\t1", 0, 1},
        {"0", 0, 0},
        {"007", 7, 0},
        {"-0", 0, 0},
        {"+5", 5, 0},
        {"--5", 0, 2},
        {"5-", 0, 2},
        {"1.0", 0, 2},
        {"$1F", 31, 0},
        {"x1F", 31, 0},
        {"X1f", 31, 0},
        {"0x1F", 31, 0},
        {"0X1f", 31, 0},
        {"-$10", -16, 0},
        {"+$10", 16, 0},
        {"$", 0, 2},
        {"0x", 0, 3},
        {"$G", 0, 2},
        {"0x1F ", 0, 5},
        // The limits of each form, and the digit that leaves them.
        {"-2147483648", INT32_MIN, 0},
        {"2147483647", INT32_MAX, 0},
        {"2147483648", 0, 10},
        {"-2147483649", 0, 11},
        {"99999999999", 0, 10},
        {"$FFFFFFFF", -1, 0},
        {"$7FFFFFFF", INT32_MAX, 0},
        {"-$80000000", INT32_MIN, 0},
        {"$000000001", 1, 0},
        {"$100000000", 0, 10},
    };
    for (const IntegerCase& c : cases) {
        const IntegerParse r = ParseInteger(c.text);
        EXPECT_EQ(r.errorPosition, c.position) << '"' << c.text << '"';
        EXPECT_EQ(r.value, c.value) << '"' << c.text << '"';
    }
}

TEST(NumberParseInteger, AgreesWithIntegerTextOverTheRange)
{
    std::mt19937 rng(11);
    for (int k = 0; k < 5000; ++k) {
        const auto n = static_cast<int32_t>(rng());
        const IntegerParse r = ParseInteger(IntegerText(n));
        ASSERT_EQ(r.errorPosition, 0);
        ASSERT_EQ(r.value, n);
    }
}

} // namespace
