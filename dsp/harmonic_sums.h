#pragma once
// The harmonic sums of a spectrum run: for every planned row k, the exact sums
// over the N data codes of code x cosine entry and code x sine entry.
#include "dsp/tdft.h"

// Fills Sums, one per row of the last table build, from the first SampleCount
// codes of DataCodes. The entries are made a block of samples at a time for
// every harmonic and summed exactly per block (exact_dot.h), so the order of
// summation cannot change a sum. Raises "Stream read error", with Sums left
// empty, when DataCodes holds fewer than N codes.
void SumHarmonics(TDFT& dft);
