#pragma once
// Which pixels of the clip already hold a marker of the series being drawn
// back to front: a later marker at the same pixel covers an earlier one.
#include "chart/raster/pixel_geometry.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

class TMarkerFlags {
public:
    explicit TMarkerFlags(const TPixelRect& clip)
            : clip_(clip), rows_(clip.Rows()), flags_(size_t(clip.Columns()) * size_t(rows_), 0)
    {
    }

    // True the first time a marker is placed at (x, y) since Reset;
    // positions outside the clip always answer true.
    [[gnu::always_inline]] bool FirstMarkerAt(int x, int y)
    {
        if (!clip_.Contains(x, y))
            return true;
        // Column by column: dense data asks about one column many times in a row.
        uint8_t& m = flags_[size_t(x - clip_.Left) * size_t(rows_) + size_t(y - clip_.Top)];
        if (m)
            return false;
        m = 1;
        return true;
    }
    // The column's flags by row from the clip's top, null for a column
    // outside the clip.
    uint8_t* MarkerColumn(int x)
    {
        if (x < clip_.Left || x > clip_.Right)
            return nullptr;
        return &flags_[size_t(x - clip_.Left) * size_t(rows_)];
    }
    // Marker shapes differ between series.
    void Reset() { std::fill(flags_.begin(), flags_.end(), uint8_t(0)); }

private:
    TPixelRect clip_;
    int rows_;
    std::vector<uint8_t> flags_;
};
