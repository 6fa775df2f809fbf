#pragma once
// Writing numbers as Windows-1251 text with the locale's separators
// (DecimalPointChar, DigitGroupChar). All float conversions start from the
// 18-digit DecimalDigits form and round half away from zero on its digits, so
// a value within half a unit of the 18th digit of a tie rounds as that tie.
// Infinity is "INF" / "-INF", NaN "NAN"; negative zero and values that round
// to zero are written without sign.
#include <cstdint>
#include <string>
#include <string_view>

// Decimal digits of n, "-" for negatives; no grouping, no locale characters.
std::string IntegerText(int64_t n);

// Shortest form up to `precision` (clamped to 2..18) significant digits:
// plain when the decimal exponent lies in -3..precision ("0,0001", "123"),
// else d[,ddd]E[-]x with at least expDigits exponent digits (above 4 counts as
// 0) and never a "+" ("1E-5", "1,235E0004").
std::string GeneralText(long double x, int precision, int expDigits);

// Exactly `decimals` places (clamped to 0..18), no grouping; magnitudes of
// 10^18 and more fall back to GeneralText(x, 18, decimals).
std::string FixedText(long double x, int decimals);

// The "%<width>.<n>f" directive (f or F): FixedText(x, n), left-padded with
// spaces to width; a missing n, or one above 18, means 2. Anything else raises
// EConvertError.
std::string FormatFixedDirective(std::string_view directive, long double x);

// Picture patterns: up to three ";"-separated sections (positive; negative;
// zero). "0" is a digit that is always written, "#" one written only when
// significant, the first "." places DecimalPointChar, a "," anywhere turns on
// groups of three with DigitGroupChar, "E+00" / "E-00" (or "e") give the
// scientific form with that many exponent digits (at most 4), quoted text is
// copied without its quotes, anything else is copied as it stands. Values are
// rounded half away from zero at the last placeholder; one that rounds to
// zero takes the zero section and is written as zero ("#,##0.###" gives "0"
// for 0.0004). A pattern of more than
// 224 characters raises EConvertError "Format string too long"; an empty
// first section gives GeneralText(x, 15, 0).
std::string PatternText(std::string_view pattern, long double x);
