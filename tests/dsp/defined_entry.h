#pragma once
// A table entry by its definition, for the tests of the fast paths: Round(Sin
// or Cos of the stored angle x A) with the processor's extended-precision
// instructions, low 32 bits.
#include "numbers/float_model.h"

#include <cstdint>

inline int32_t DefinedEntry(bool sine, double angle, int32_t adc)
{
    const long double f = sine ? Sin(angle) : Cos(angle);
    return int32_t(uint32_t(uint64_t(Round(f * static_cast<long double>(adc)))));
}
