#pragma once
// Pixel geometry of the point hit test: pure functions on client pixels.
#include "chart/raster/pixel_geometry.h"

// Mouse m on the segment a-b: the cross product must be below `reach` times
// the segment's larger side length (distance under about `reach` pixels, the
// line's width), and m may not lie beyond either end by more than `tolerance`
// along x or y. A segment of zero length never hits.
bool SegmentHit(TPixelPoint m, TPixelPoint a, TPixelPoint b, int tolerance = 0, int reach = 1);

// Even-odd rule on a closed polygon.
bool PolygonContains(const TPixelPoint* points, int count, TPixelPoint m);
