#pragma once
// The fixed-point transform engine: its run-state fields and its three integer
// buffers. One object per process, created at start-up.
#include "runtime/memory_buffer.h"

#include <cstdint>
#include <memory>

class TDFT {
public:
    TDFT()
        : SinTable(std::make_unique<TMemoryBuffer>()),
          CosTable(std::make_unique<TMemoryBuffer>()),
          DataCodes(std::make_unique<TMemoryBuffer>())
    {
    }

    int32_t SampleCount = 0;   // N, set by the data pane parse (1 when none accepted)
    int32_t HarmonicCount = 0; // K, set by the spectrum run
    double Angle = 0;          // scratch angle of the table build
    int32_t AdcScale = 0;      // A
    double AngleStep = 0;      // 2 pi / N
    double DataMean = 0;

    std::unique_ptr<TMemoryBuffer> SinTable; // K rows of N entries, row-major
    std::unique_ptr<TMemoryBuffer> CosTable;
    std::unique_ptr<TMemoryBuffer> DataCodes; // N codes of the last quantization

    // Harmonic k: the exact integer sum over the N codes of code x table entry
    // (cosine row for the real part, sine row for the imaginary part), divided
    // in extended precision by A x A (exact in 64 bits) and stored in 64 bits.
    // A of 0 makes both 0 and raises "Invalid floating point operation"; fewer
    // than N codes, or a table without row k, raises "Stream read error".
    double RealPart(int32_t k);
    double ImagPart(int32_t k);

private:
    double HarmonicPart(const TMemoryBuffer& table, int32_t k) const;
};
