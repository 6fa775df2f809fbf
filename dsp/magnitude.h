#pragma once
// |v| in the unsigned type of v's width, exact for the most negative value too.
#include <type_traits>

template <class T>
constexpr std::make_unsigned_t<T> Magnitude(T v)
{
    using Unsigned = std::make_unsigned_t<T>;
    return v < 0 ? Unsigned(0) - Unsigned(v) : Unsigned(v);
}
