#include "numbers/float_model.h"

#include "runtime/exceptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

namespace {

constexpr long double kTwo63 = 9223372036854775808.0L;
constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

TEST(FloatModelRound, TiesToEvenAndRange)
{
    const std::pair<long double, int64_t> cases[] = {
        {2.5L, 2},
        {3.5L, 4},
        {-2.5L, -2},
        {0.5L, 0},
        {1.5L, 2},
        {-0.5L, 0},
        {-1.5L, -2},
        {2.4999999999999999999L, 2},
        {4503599627370496.5L, 4503599627370496},
        {4503599627370497.5L, 4503599627370498},
        {-kTwo63, INT64_MIN},
        {kTwo63 - 1.0L, INT64_MAX},
        {kTwo63 - 1.5L, INT64_MAX - 1},
    };
    for (const auto& [x, expected] : cases)
        EXPECT_EQ(Round(x), expected) << static_cast<double>(x);
    // 2^63 - 0.5 is an extended value whose even neighbour is 2^63.
    for (long double bad : {kTwo63 - 0.5L, kTwo63, -kTwo63 - 1.0L, kInf, -kInf, kNaN, 1e30L})
        EXPECT_THROW(Round(bad), EInvalidOp) << static_cast<double>(bad);
}

TEST(FloatModelTrunc, TowardZeroAndRange)
{
    const std::pair<long double, int64_t> cases[] = {
        {-2.7L, -2},
        {2.7L, 2},
        {2.999L, 2},
        {-0.5L, 0},
        {kTwo63 - 0.5L, INT64_MAX},
        {-kTwo63, INT64_MIN},
        {-kTwo63 + 0.5L, INT64_MIN + 1},
    };
    for (const auto& [x, expected] : cases)
        EXPECT_EQ(Trunc(x), expected) << static_cast<double>(x);
    for (long double bad : {kTwo63, -kTwo63 - 1.0L, kInf})
        EXPECT_THROW(Trunc(bad), EInvalidOp) << static_cast<double>(bad);
    EXPECT_THAT([] { Trunc(kNaN); },
                ::testing::ThrowsMessage<EInvalidOp>(::testing::StrEq("Invalid floating point operation")));
}

TEST(FloatModelTrig, ExtendedSineAndCosine)
{
    std::mt19937_64 rng(1);
    for (int k = 0; k < 2000; ++k) {
        const long double x = (static_cast<long double>(rng()) / 0x1p64L - 0.5L) * 200.0L;
        ASSERT_NEAR(static_cast<double>(Sin(x) - sinl(x)), 0.0, 1e-17) << static_cast<double>(x);
        ASSERT_NEAR(static_cast<double>(Cos(x) - cosl(x)), 0.0, 1e-17) << static_cast<double>(x);
        ASSERT_NEAR(static_cast<double>(Sin(x) * Sin(x) + Cos(x) * Cos(x)), 1.0, 1e-18);
    }
    EXPECT_EQ(Sin(0.0L), 0.0L);
    EXPECT_EQ(Cos(0.0L), 1.0L);
    // Magnitudes the instructions cannot reduce give 0.
    for (long double big : {kTwo63, -kTwo63, 1e30L, kInf}) {
        EXPECT_EQ(Sin(big), 0.0L);
        EXPECT_EQ(Cos(big), 0.0L);
    }
    EXPECT_NE(Cos(kTwo63 - 1.0L), 0.0L);
    EXPECT_TRUE(std::isnan(Sin(kNaN)));
}

TEST(FloatModelStore, RoundsToDoubleAndRaisesOverflow)
{
    EXPECT_EQ(StoreDouble(1.0L + 0x1p-53L), 1.0);               // tie to even, down
    EXPECT_EQ(StoreDouble(1.0L + 3 * 0x1p-53L), 1.0 + 0x1p-51); // tie to even, up
    EXPECT_EQ(StoreDouble(static_cast<long double>(DBL_MAX) + 0x1p969L), DBL_MAX);
    // Half an ulp above DBL_MAX is a tie whose even neighbour is 2^1024.
    EXPECT_THROW(StoreDouble(static_cast<long double>(DBL_MAX) + 0x1p970L), EOverflow);
    EXPECT_THROW(StoreDouble(-1e400L), EOverflow);
    EXPECT_TRUE(std::isinf(StoreDouble(kInf)));
    EXPECT_TRUE(std::isnan(StoreDouble(kNaN)));
    EXPECT_GT(StoreDouble(1e-320L), 0.0); // subnormal, silently
    EXPECT_EQ(StoreDouble(1e-400L), 0.0);
    EXPECT_NO_THROW(CheckFpFaults());
}

TEST(FloatModelFaults, FlagsBecomeTheirErrors)
{
    volatile long double zero = 0.0L, one = 1.0L, huge = LDBL_MAX, tiny = LDBL_MIN;
    ClearFpFaults();
    EXPECT_NO_THROW(CheckFpFaults());
    volatile long double r = zero / zero;
    EXPECT_THROW(CheckFpFaults(), EInvalidOp);
    r = one / zero;
    EXPECT_THROW(CheckFpFaults(), EZeroDivide);
    r = huge * huge;
    EXPECT_THROW(CheckFpFaults(), EOverflow);
    EXPECT_NO_THROW(CheckFpFaults()); // the error cleared its flag
    r = tiny * tiny;                  // underflow and inexact are silent
    EXPECT_NO_THROW(CheckFpFaults());
    EXPECT_EQ(r, 0.0L);
}

TEST(FloatModelFaults, DivideAndSquareRoot)
{
    EXPECT_THROW(Divide(0.0L, 0.0L), EInvalidOp);
    EXPECT_THROW(Divide(1.0L, 0.0L), EZeroDivide);
    EXPECT_THROW(Divide(-1.0L, -0.0L), EZeroDivide);
    EXPECT_THROW(Divide(kInf, kInf), EInvalidOp);
    EXPECT_THROW(Divide(LDBL_MAX, 0.5L), EOverflow);
    EXPECT_EQ(Divide(1.0L, 4.0L), 0.25L);
    EXPECT_EQ(Divide(kInf, 2.0L), kInf);
    EXPECT_THROW(SquareRoot(-1.0L), EInvalidOp);
    EXPECT_TRUE(std::signbit(SquareRoot(-0.0L)));
    EXPECT_EQ(SquareRoot(2.0L), sqrtl(2.0L));
}

TEST(FloatModelMode, ResetRestoresNearestAndExtendedPrecision)
{
    std::fesetround(FE_UPWARD);
    unsigned short reduced = 0x027F; // 53-bit precision
    __asm__ volatile("fldcw %0" : : "m"(reduced));
    ResetFpMode();
    unsigned short controlWord = 0;
    __asm__ volatile("fnstcw %0" : "=m"(controlWord));
    EXPECT_EQ(controlWord, 0x037F);
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
    // A third keeps more bits than a double would.
    volatile long double one = 1.0L;
    const long double third = one / 3.0L;
    EXPECT_NE(third, static_cast<long double>(static_cast<double>(third)));
}

} // namespace
