#pragma once
// The fixed-point transform engine: its run-state fields and its three integer
// buffers. One object per process, created at start-up.
#include "dsp/exact_dot.h"
#include "dsp/harmonic_rows.h"
#include "runtime/memory_buffer.h"

#include <cstdint>
#include <memory>
#include <vector>

// The exact sums of one harmonic over the N codes: code x cosine entry and
// code x sine entry.
struct THarmonicSum {
    WideInt re = 0;
    WideInt im = 0;
};

class TDFT {
public:
    TDFT()
            : SinTable(std::make_unique<TMemoryBuffer>()), CosTable(std::make_unique<TMemoryBuffer>()),
              DataCodes(std::make_unique<TMemoryBuffer>())
    {
    }

    int32_t SampleCount = 0;   // N, set by the data pane parse (1 when none accepted)
    int32_t HarmonicCount = 0; // K, set by the spectrum run
    double Angle = 0;          // the angle of the last table entry, (N - 1)(K - 1) AngleStep
    int32_t AdcScale = 0;      // A
    double AngleStep = 0;      // 2 pi / N
    double DataMean = 0;

    // The tables are never held whole: they are made and summed a block at a
    // time (SumHarmonics). These hold the entries of the block being summed,
    // one block of kTableBlock samples of one harmonic per core, the first
    // core's at elements 0 .. kTableBlock - 1 and the second's after them;
    // nothing outside the sums reads them.
    std::unique_ptr<TMemoryBuffer> SinTable;
    std::unique_ptr<TMemoryBuffer> CosTable;
    std::unique_ptr<TMemoryBuffer> DataCodes; // N codes of the last quantization

    std::vector<THarmonicRow> Rows; // harmonics 0 .. K-1 of the last table build
    std::vector<THarmonicSum> Sums; // of the last SumHarmonics, one per row

    // Harmonic k: its exact sum (cosine for the real part, sine for the
    // imaginary part) divided in extended precision by A x A (exact in 64
    // bits) and stored in 64 bits. A of 0 makes both 0 and raises "Invalid
    // floating point operation"; a harmonic without a sum raises "Stream read error".
    double RealPart(int32_t k);
    double ImagPart(int32_t k);

private:
    double HarmonicPart(WideInt THarmonicSum::*part, int32_t k) const;
};

// Samples per table block: 2048 codes (8 KB) and their two rows of entries
// (16 KB) stay in the first-level cache while every harmonic passes over them.
inline constexpr int64_t kTableBlock = 2048;
