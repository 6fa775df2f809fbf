#pragma once
// Reading numbers from Windows-1251 text. Failure is reported by a non-zero
// 1-based error position, never by an error.
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
