#pragma once
// The decimal digits of an unsigned integer, most significant first, left-padded
// with "0" to at least minDigits: the one digit writer of integer texts and
// exponents.
#include <cstdint>

// Writes to out (room for max(20, minDigits) bytes) and returns the count.
inline int WriteUnsignedDigits(uint64_t v, int minDigits, char* out)
{
    char reversed[20];
    int len = 0;
    do {
        reversed[len++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    int n = 0;
    for (int k = len; k < minDigits; ++k)
        out[n++] = '0';
    while (len > 0)
        out[n++] = reversed[--len];
    return n;
}
