#include "numbers/decimal_digits.h"
#include "support/number_test_support.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

// A natural number as little-endian 32-bit words.
struct BigNat {
    std::vector<uint32_t> words{1};

    void Multiply(uint32_t factor)
    {
        uint64_t carry = 0;
        for (uint32_t& w : words) {
            const uint64_t v = uint64_t{w} * factor + carry;
            w = static_cast<uint32_t>(v);
            carry = v >> 32;
        }
        if (carry)
            words.push_back(static_cast<uint32_t>(carry));
    }
    unsigned Bit(long i) const
    {
        return i < 0 || i >= static_cast<long>(words.size()) * 32 ? 0u : (words[i / 32] >> (i % 32)) & 1u;
    }
};

// n * 2^q rounded to a 64-bit significand, ties to even (n > 0).
long double RoundedToExtended(const BigNat& n, int q)
{
    long top = static_cast<long>(n.words.size()) * 32 - 1;
    while (!n.Bit(top))
        --top;
    uint64_t significand = 0;
    for (long i = top; i > top - 64; --i)
        significand = (significand << 1) | n.Bit(i);
    const long lowest = top - 63; // weight of the significand's last bit
    bool above = false;
    for (long i = lowest - 2; i >= 0 && !above; --i)
        above = n.Bit(i);
    int exponent = static_cast<int>(lowest) + q;
    if (n.Bit(lowest - 1) && (above || (significand & 1))) {
        if (++significand == 0) {
            significand = uint64_t{1} << 63;
            ++exponent;
        }
    }
    return std::ldexp(static_cast<long double>(significand), exponent);
}

long double ReferencePowerOfTen(int k)
{
    BigNat n;
    for (int i = 0; i < k; ++i)
        n.Multiply(10);
    return RoundedToExtended(n, 0);
}

TEST(NumberPowerOfTen, TablesAreNearestExtendedValues)
{
    for (int i = 0; i < 32; ++i)
        EXPECT_TRUE(SameBits(kPowerTable0[i], ReferencePowerOfTen(i))) << "1e" << i;
    for (int j = 1; j < 16; ++j)
        EXPECT_TRUE(SameBits(kPowerTable1[j], ReferencePowerOfTen(32 * j))) << "1e" << 32 * j;
    for (int j = 1; j < 10; ++j)
        EXPECT_TRUE(SameBits(kPowerTable2[j], ReferencePowerOfTen(512 * j))) << "1e" << 512 * j;
}

TEST(NumberPowerOfTen, ScalingAcrossTheRange)
{
    // One exact power: a single correctly rounded operation, as strtold gives.
    for (int n = -27; n <= 27; ++n) {
        const std::string text = "7e" + std::to_string(n);
        EXPECT_TRUE(SameBits(PowerOfTen(7.0L, n), std::strtold(text.c_str(), nullptr))) << text;
    }
    // Up to three roundings, each of half an ulp, plus the rounded tables.
    for (int n = -4930; n <= 4931; n += 7) {
        const std::string text = "1e" + std::to_string(n);
        const long double ratio = PowerOfTen(1.0L, n) / std::strtold(text.c_str(), nullptr);
        ASSERT_NEAR(static_cast<double>(ratio - 1.0L), 0.0, 5 * 0x1p-64) << text;
    }
    EXPECT_EQ(PowerOfTen(3.0L, 0), 3.0L);
    EXPECT_TRUE(std::isinf(PowerOfTen(1e-300L, 5120)));
    EXPECT_EQ(PowerOfTen(1e300L, -5120), 0.0L);
    EXPECT_EQ(PowerOfTen(0.0L, 6000), 0.0L);
}

void ExpectWellFormed(const DecimalDigits& r, long double x)
{
    ASSERT_GE(r.Count, 1);
    ASSERT_LE(r.Count, DecimalDigits::kMaxDigits);
    ASSERT_NE(r.Digits[0], '0') << static_cast<double>(x);
    ASSERT_NE(r.Digits[r.Count - 1], '0') << static_cast<double>(x);
    for (int i = 0; i < r.Count; ++i)
        ASSERT_TRUE(r.Digits[i] >= '0' && r.Digits[i] <= '9');
    ASSERT_EQ(r.Negative, std::signbit(x));
}

// The 18 digits are within one unit of the correctly rounded 18 digits of
// the exact binary value (printf's): the scaled value keeps only a few bits
// below the units, so its two roundings may differ from one exact rounding.
void ExpectNearCorrectDigits(long double x)
{
    const DecimalDigits r(x, 18, 9999);
    ExpectWellFormed(r, x);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", std::fabs(x));
    std::string correct(buf, 1);
    correct.append(buf + 2, 17);
    const int correctExponent = std::atoi(std::strchr(buf, 'e') + 1) + 1;
    std::string ours(r.Digits, r.Count);
    ours.resize(18, '0');
    const long long mine = std::stoll(ours);
    long long theirs = std::stoll(correct);
    if (r.Exponent == correctExponent + 1)
        theirs /= 10; // ours carried into the next decade: compare at its scale
    else
        ASSERT_EQ(r.Exponent, correctExponent) << buf;
    ASSERT_LE(std::llabs(mine - theirs), 1) << buf << " vs " << ours << "E" << r.Exponent;
}

TEST(NumberDecimalDigits, EighteenDigitsOfDoublesAndExtendedValues)
{
    std::mt19937_64 rng(5);
    for (int k = 0; k < 20000; ++k) {
        uint64_t bits = rng();
        double d;
        std::memcpy(&d, &bits, 8);
        ExpectNearCorrectDigits(std::isfinite(d) && d != 0 ? d : 1.0);
    }
    for (int k = 0; k < 3000; ++k) {
        const long double x = std::ldexp(static_cast<long double>(rng() | (uint64_t{1} << 63)),
                                         static_cast<int>(rng() % 32765) - 16382 - 63);
        ExpectNearCorrectDigits(rng() & 1 ? -x : x);
    }
    // Binary exponents where the decimal estimate is one too high.
    for (long double x : {std::ldexp(1.0L, -877), std::ldexp(1.0L, -681), std::ldexp(1.0L, -16374),
                          static_cast<long double>(DBL_MIN), LDBL_MIN, LDBL_MAX})
        ExpectNearCorrectDigits(x);
}

// From 1e-9 to 1e18 the scaling is one multiplication by an exact power of
// ten; the reference rounds the exact product to extended and then to an
// integer (ties to even both) in integer arithmetic.
TEST(NumberDecimalDigits, ExactScalingRangeMatchesIntegerReference)
{
    std::mt19937_64 rng(8);
    for (int k = 0; k < 20000; ++k) {
        const double x = std::ldexp(static_cast<double>((rng() >> 11) | (uint64_t{1} << 52)),
                                    static_cast<int>(rng() % 88) - 30 - 52);
        int e2;
        const double fraction = std::frexp(x, &e2);
        int d = (((e2 - 1) * 19728) >> 16) + 1;
        const int n = 18 - d;
        ASSERT_GE(n, 0);
        ASSERT_LE(n, 27);
        BigNat product;
        product.words = {static_cast<uint32_t>(static_cast<uint64_t>(std::ldexp(fraction, 53))),
                         static_cast<uint32_t>(static_cast<uint64_t>(std::ldexp(fraction, 53)) >> 32)};
        for (int i = 0; i < n; ++i)
            product.Multiply(10);
        uint64_t y = static_cast<uint64_t>(std::llrint(RoundedToExtended(product, e2 - 53)));
        if (y >= 1000000000000000000ULL) {
            const uint64_t q = y / 10, r = y % 10;
            y = q + (r > 5 || (r == 5 && (q & 1)));
            ++d;
        }
        std::string expected = std::to_string(y);
        while (expected.back() == '0')
            expected.pop_back();
        const DecimalDigits r(x, 18, 9999);
        ASSERT_EQ(std::string(r.Digits, r.Count), expected) << x;
        ASSERT_EQ(r.Exponent, d) << x;
    }
}

TEST(NumberDecimalDigits, ZeroInfinityAndNaN)
{
    for (long double zero : {0.0L, -0.0L, LDBL_TRUE_MIN, LDBL_MIN / 2}) {
        const DecimalDigits r(zero, 18, 9999);
        EXPECT_EQ(r.Count, 0);
        EXPECT_EQ(r.Exponent, 0);
        EXPECT_FALSE(r.Negative);
    }
    const long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_TRUE(DecimalDigits(inf, 18, 0).IsInfinity());
    EXPECT_TRUE(DecimalDigits(-inf, 18, 0).Negative);
    const DecimalDigits nan(std::numeric_limits<long double>::quiet_NaN(), 18, 0);
    EXPECT_TRUE(nan.IsNaN());
    EXPECT_FALSE(nan.Negative);
}

TEST(NumberDecimalDigits, RoundingAtPrecisionOrDecimals)
{
    struct Case {
        long double x;
        int precision, decimals;
        const char* digits;
        int exponent;
    };
    const Case cases[] = {
        {0.125, 18, 2, "13", 0},   {0.6, 18, 0, "1", 1},         {0.4, 18, 0, "", -0},
        {999.96, 4, 9999, "1", 4}, {999.94, 4, 9999, "9999", 3}, {-0.004, 18, 2, "", -2},
        {0.004, 18, 0, "", 0},     {123.456, 2, 9999, "12", 3},  {123.456, 18, 9999, "123456000000000003", 3},
    };
    for (const Case& c : cases) {
        const DecimalDigits r(c.x, c.precision, c.decimals);
        EXPECT_EQ(std::string(r.Digits, r.Count), c.digits) << static_cast<double>(c.x);
        EXPECT_EQ(r.Exponent, c.exponent) << static_cast<double>(c.x);
        EXPECT_EQ(r.Negative, r.Count > 0 && c.x < 0);
    }
}

} // namespace
