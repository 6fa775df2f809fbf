#pragma once
// Writing numbers as Windows-1251 text with the locale's separators.
#include <cstdint>
#include <string>
#include <string_view>

std::string IntegerText(int64_t n);
std::string GeneralText(long double x, int precision, int expDigits);
std::string FixedText(long double x, int decimals);
std::string PatternText(std::string_view pattern, long double x);
