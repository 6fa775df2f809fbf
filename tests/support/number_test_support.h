#pragma once
// Shared by the number-text tests: separators set for one test and restored.
#include "numbers/locale_separators.h"

class ScopedSeparators {
public:
    ScopedSeparators(char decimalPoint, char digitGroup)
            : point_(DecimalPointChar()), group_(DigitGroupChar())
    {
        SetLocaleSeparators(decimalPoint, digitGroup);
    }
    ~ScopedSeparators() { SetLocaleSeparators(point_, group_); }
    ScopedSeparators(const ScopedSeparators&) = delete;
    ScopedSeparators& operator=(const ScopedSeparators&) = delete;

private:
    char point_;
    char group_;
};

// Bitwise equality of two extended values (tells 0 from -0, compares NaNs).
inline bool SameBits(long double a, long double b) { return __builtin_memcmp(&a, &b, 10) == 0; }
