// Provisional conversions so that dependent layers link; replaced by the real ones.
#include "text/locale_separators.h"
#include "text/number_format.h"
#include "text/number_parse.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
char g_point = '.';
char g_group = ',';
} // namespace
char DecimalPointChar() { return g_point; }
char DigitGroupChar() { return g_group; }
void SetLocaleSeparators(char d, char g) { g_point = d; g_group = g; }
void ReadLocaleSeparators() {}

FloatParse ParseFloat(std::string_view text)
{
    std::string s(text);
    char* end = nullptr;
    long double v = std::strtold(s.c_str(), &end);
    int pos = (s.empty() || *end) ? int(end - s.c_str()) + 1 : 0;
    return {v, pos};
}
IntegerParse ParseInteger(std::string_view text)
{
    std::string s(text);
    char* end = nullptr;
    long v = std::strtol(s.c_str(), &end, 10);
    int pos = (s.empty() || *end) ? int(end - s.c_str()) + 1 : 0;
    return {int32_t(v), pos};
}
std::string IntegerText(int64_t n) { return std::to_string(n); }
std::string GeneralText(long double x, int precision, int)
{
    char b[64];
    std::snprintf(b, sizeof b, "%.*Lg", precision, x);
    return b;
}
std::string FixedText(long double x, int decimals)
{
    char b[64];
    std::snprintf(b, sizeof b, "%.*Lf", decimals, x);
    return b;
}
std::string PatternText(std::string_view, long double x) { return GeneralText(x, 15, 0); }
