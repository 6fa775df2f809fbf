#pragma once
// The harmonic sums of a spectrum run: for every planned row k, the exact sums
// over the N data codes of code x cosine entry and code x sine entry.
#include "dsp/tdft.h"
#include "runtime/progress.h"

// Fills Sums, one per row of the last table build, from the first SampleCount
// codes of DataCodes. The entries are made a block of samples at a time for
// every harmonic and summed exactly per block (exact_dot.h), so the order of
// summation cannot change a sum. Raises "Stream read error", with Sums left
// empty, when DataCodes holds fewer than N codes, and ERunStopped, likewise,
// when a stop is asked through progress (after each piece of samples). The
// progress position is the share of the samples summed, 0 at the end.
void SumHarmonics(TDFT& dft, TProgress& progress = NoProgress());
