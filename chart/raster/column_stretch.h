#pragma once
// Dense data puts thousands of points of a line series into one pixel column.
// Drawn back to front, most of them paint nothing: a marker where a later one
// of the same column already sits, a vertical segment inside the rows the
// later segments of that column already span. This walk finds, in one short
// loop over the values, the few points of such a stretch that are left.
#include "chart/model/value_span.h"
#include "chart/raster/axis_scale.h"

#include <cstdint>
#include <vector>

// A point of the stretch that may still paint: its marker (the first at its
// row, counted from the end, unless later ones sit right above and below it)
// and/or its segment to the following drawn point.
struct TStretchStep {
    int Index;
    int Y;     // row of the point
    int NextY; // row of the following drawn point, the segment's other end
    bool Marker;
    bool Segment;
};

// What a stretch is walked against; Placed changes from column to column.
struct TStretchInput {
    int X;     // the column
    int Limit; // rows beyond +-Limit end the stretch (such points are skipped)
    // Marker flags of the column, one a row from PlacedTop to PlacedBottom,
    // set here for every marker found; null when the column has none.
    uint8_t* Placed;
    int PlacedTop, PlacedBottom;
    // Rows whose marker can show at all; none when MarkerLo > MarkerHi.
    int MarkerLo, MarkerHi;
    // A marker with later ones a row above and below it shows nothing
    // (HiddenBetweenRows of the shape).
    bool HiddenBetween = false;
};

// Where the walk stands: the last point taken (index and row) and the rows
// spanned by the points taken so far in this column.
struct TStretchState {
    int Index;
    int Y;
    int RunLo, RunHi;
    bool operator==(const TStretchState&) const = default;
};

// Walks one series' points from the end towards First, a stretch (one
// column) per call. Positions are worked out a batch at a time, reading the
// values forwards, and kept for the following stretches. When the caller
// vouches that columns never decrease with the index (X in order on an axis
// that keeps it), each column's first point is found by a search on a few
// X values instead of mapping them all.
class TStretchWalker {
public:
    TStretchWalker(TValueSpan xs, TValueSpan ys, const TAxisMapper& horizontal,
                   const TAxisMapper& vertical, int first, bool columnsInOrder);

    // Takes points state.Index - 1, - 2, ... down to First while they fall in
    // column X with a row inside the limit, and appends their steps that may
    // still paint, latest first.
    void Walk(const TStretchInput& in, TStretchState& state, std::vector<TStretchStep>& steps);

private:
    // Maps a batch of points ending at index `last`.
    void Fill(int last);
    // The batch's values as doubles.
    const double* Batch(TValueSpan values);
    // The first index of the points of column x ending at i (which lies in
    // it), for columns in order.
    int ColumnStart(int x, int i);
    // True when no point of the block can add a step to a walk whose run
    // spans rows lo .. hi: the rows of its values all lie in the run, and
    // each of them that could take a marker has one placed.
    bool Passable(const TValueSpan::TBlock& block, const TStretchInput& in, int lo, int hi) const;

    TValueSpan xs_, ys_;
    TAxisMapper horizontal_, vertical_;
    int first_;
    bool inOrder_;
    int lastLength_ = 1;    // points of the column found last: the guess for the next
    int from_ = 0, to_ = 0; // indexes from_ .. to_ - 1 are in the buffers
    std::vector<int> columns_, rows_;
    std::vector<double> values_; // a batch of values not stored as doubles
    // The ranges of the values' blocks, when known and the columns in order.
    const TValueSpan::TBlock* blocks_;
};
