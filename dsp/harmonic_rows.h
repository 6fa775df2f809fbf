#pragma once
// One harmonic's rows of the sine and cosine tables, made piece by piece
// without holding the tables: entry (k, n) is Round(Sin(x) x A) and
// Round(Cos(x) x A), low 32 bits, with x = TableAngle(n x k, AngleStep).
//
// Within a row the angles grow by k x AngleStep per sample, so the sine and
// cosine of sixteen neighbouring samples are turned on to the next sixteen by
// one complex multiplication with cos and sin of 16 k AngleStep (angle
// addition). Every 256 entries start again from the polynomial at the stored
// angles. The row's margin bounds how far a turned value A x sin can lie from
// the processor's product for the stored angle; an entry whose turned value
// lies nearer than that to a half-integer is evaluated directly, so every
// entry equals the definition.
#include <cstdint>

struct THarmonicRow {
    int32_t k = 0;
    int32_t adcScale = 0;
    double angleStep = 0;
    double turnCos = 1; // cos and sin of 16 k AngleStep, rounded to 64 bits
    double turnSin = 0;
    double margin = 0;  // see PlanRow
    bool turns = false; // false: every entry through TableEntries
};

// The row of harmonic k for N samples: its turn and margin. Rows whose angles
// reach beyond the polynomial's range are made entry by entry instead.
THarmonicRow PlanRow(int32_t k, int32_t sampleCount, double angleStep, int32_t adcScale);

// Entries first .. first + count - 1 of the row into sinOut and cosOut.
void RowEntries(const THarmonicRow& row, int64_t first, int64_t count, int32_t* sinOut, int32_t* cosOut);
