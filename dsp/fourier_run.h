#pragma once
// The computations of a spectrum run after the table build
// (BuildHarmonicTables): the data codes, then the points of the amplitude
// spectrum with their frequency labels.
#include "dsp/partial.h"
#include "dsp/tdft.h"
#include "runtime/progress.h"

#include <span>
#include <string>
#include <vector>

// Writes DataCodes from offset 0: code n = Round(A x sample n - offset) for
// the first SampleCount samples of values (see QuantizeSample), where offset
// is A x DataMean stored in 64 bits when the zero harmonic is removed, else 0.
// Raises "Stream read error" when values holds fewer samples. Gives the codes
// written: all of them, or those before a sample without a code or a stop
// asked through progress, with its fault.
TPartial<std::span<const int32_t>> QuantizeDataCodes(TDFT& dft, const TMemoryBuffer& values,
                                                     bool removeZeroHarmonic,
                                                     const TProgress& progress = NoProgress());

struct THarmonicPoint {
    double amplitude;  // sqrt(re^2 + im^2) in extended precision, stored in 64 bits
    std::string label; // the frequency k x rate / N in Hz, stored in 64 bits, "%0.2f"
};

// Harmonics 0 .. HarmonicCount-1 from their sums over DataCodes (SumHarmonics,
// after the table build): all of them, or those before the first whose sums or
// frequency fault, with that fault (an ADC scale of 0 faults at once, 0 / 0;
// fewer codes than N at once, a read error; a stop asked through progress
// while the sums are made, ERunStopped with no point). The sums drive progress.
TPartial<std::vector<THarmonicPoint>> SpectrumPoints(TDFT& dft, double sampleRate,
                                                     TProgress& progress = NoProgress());
