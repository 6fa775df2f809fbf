#pragma once
// What of a dense line series is left to paint, worked out before painting.
//
// Words used here and in the painter:
//   column    one pixel column of the device image; in dense data thousands
//             of consecutive points fall into it.
//   stretch   the consecutive points of one column, walked from the last one
//             back (chart/column_stretch.h).
//   step      one point of a stretch that may still show: its marker (the
//             first at its row, counted from the end) and/or its segment to
//             the following drawn point.
//   run       the rows a column's segments span so far, walked back to
//             front; an earlier segment ending inside it is covered.
//   join      the segment from a column's last point to the next drawn
//             point, in a later column, and that point's marker.
//   plan      every step and join of a series in painting order, back to
//             front: the same primitives the painter would emit, less those
//             later ones are known to hide.
//   coverage  the pixels a back-to-front paint has filled already; only the
//             paint knows it, the plan never depends on it.
//
// The walks depend on the marker flags of their own column only. With the
// columns in index order (X never decreasing, an increasing axis) every
// column begins from its last point's own state, so ranges of columns are
// planned on several workers and put together in order; the plan is the
// same bit for bit for any number of them.
#include "chart/model/value_span.h"
#include "chart/raster/axis_scale.h"
#include "chart/raster/pixel_geometry.h"

#include <functional>
#include <vector>

// Everything a plan is worked out from.
struct TPlanKey {
    TValueSpan Xs, Ys;
    // The value lists' identities and change counts.
    unsigned long long XList = 0, YList = 0, XChanges = 0, YChanges = 0;
    TAxisScale Horizontal, Vertical;
    TPixelRect Clip;
    int First = 0, Last = -1; // the points drawn
    bool Markers = false;
    int MarkerOffsetX = 0, MarkerOffsetY = 0, MarkerWidth = 0, MarkerHeight = 0;
    bool MarkerHiddenBetween = false; // HiddenBetweenRows of the marker's shape
    // The scales' ends bit for bit: a range made of NaN maps alike each time.
    bool operator==(const TPlanKey& o) const;
};

// A marker at (X, Y), painted before the segment from (X, Y) to (ToX, ToY).
struct TPlanStep {
    int X, Y, ToX, ToY;
    bool Marker, Segment;
    bool operator==(const TPlanStep&) const = default;
};

// The steps of a range of columns, latest first.
using TPlanRange = std::vector<TPlanStep>;

struct TColumnPlan {
    std::vector<TPlanRange> Ranges; // in painting order: the last columns first
};

// Receives a plan's ranges one at a time, in painting order.
using TPlanPaint = std::function<void(const TPlanRange&)>;

// The plan of a line series of one colour drawn one device pixel wide;
// xNonDecreasing: the X values never decrease with the index. `paint`,
// when given, receives each range as soon as it and those before it in
// painting order are planned, on whichever worker finished it, while the
// workers plan the rest: planning and painting share the cores.
// `storage`: a plan no longer needed, whose memory the new one takes over
// (ten million points fill megabytes, which a zoom step should not have to
// ask the system for again).
TColumnPlan MakeColumnPlan(const TPlanKey& key, bool xNonDecreasing, const TPlanPaint& paint = {},
                           TColumnPlan storage = {});
