#include "input/box_values.h"

#include "numbers/number_parse.h"

std::optional<int32_t> BoxIntegerValue(std::string_view text)
{
    const IntegerParse parsed = ParseInteger(text);
    if (parsed.errorPosition != 0)
        return std::nullopt;
    return parsed.value;
}

std::optional<int32_t> HarmonicCountValue(std::string_view text)
{
    const std::optional<int32_t> count = BoxIntegerValue(text);
    if (!count || *count < 1)
        return std::nullopt;
    return count;
}
