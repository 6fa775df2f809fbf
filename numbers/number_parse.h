#pragma once
// Reading numbers from Windows-1251 text. Failure is reported by a non-zero
// 1-based error position, never by an error.
//
// ParseFloat: [spaces] [+|-] digits [. digits] [(E|e) [+|-] digits]
//  - Only code 32 counts as a leading space; nothing may follow the number.
//  - The point is always "."; mantissa digits may be absent ("." and "e5" are 0).
//  - The digits accumulate as M := M * 10 + digit (rounded to extended each
//    step); the value is PowerOfTen(M, exponent - fraction digits), then
//    negated for "-" (so "-0" is negative zero). Texts of at most 19 digits
//    with small exponents are therefore one exactly rounded division or
//    multiplication by an exact power of ten.
//  - On failure the position is that of the first character that does not
//    fit (text length + 1 when the text ends too early, 1 for an empty text)
//    and the value is M as read so far: unsigned, unscaled ("12,5" gives 3, 12).
//  - A value beyond the extended range raises EOverflow; one below it becomes
//    subnormal or zero silently. Storing the result into a double is the
//    caller's second rounding (StoreDouble).
//
// ParseInteger: [spaces] [+|-] ($|x|X|0x|0X) hexdigits  or  [spaces] [+|-] digits
//  - Decimal values must lie in the 32-bit signed range; hexadecimal ones may
//    have up to 8 significant digits, read as a two's complement pattern
//    ("$FFFFFFFF" is -1); the sign applies last ("-$10" is -16).
//  - On failure the value is 0 and the position is that of the offending
//    character (the digit that leaves the range, or text length + 1).
#include <cstdint>
#include <string_view>

struct FloatParse {
    long double value;
    int errorPosition;
};
struct IntegerParse {
    int32_t value;
    int errorPosition;
};

FloatParse ParseFloat(std::string_view text);
IntegerParse ParseInteger(std::string_view text);
