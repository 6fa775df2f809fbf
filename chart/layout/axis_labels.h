#pragma once
// The label arithmetic of an axis: the step search, the value labels from the
// top of the range down, and the thinning of text labels that would overlap.
// Pure functions; text sizes come in as numbers.
#include "chart/raster/axis_scale.h"

#include <string>
#include <vector>

struct TAxisLabel {
    int Position = 0; // pixel along the axis
    double Value = 0; // the value (value labels) or the point's X (text labels)
    std::string Text; // Windows-1251
};

// 1, 2, 5, 10, 20, 50 ... and 0.5, 0.2, 0.1 ... below 1.
double NextLabelStep(double step);

// How many labels of `labelSize` pixels, with `separation` percent of free
// space each, fit into `spanSize` pixels.
int MaxLabelCount(int spanSize, int labelSize, int separation);

// The smallest step of the 1-2-5 series (from `increment` when set) giving no
// more labels than fit; never below 1e-12.
double LabelStep(double range, int spanSize, int labelSize, int separation, double increment);

// Value labels at multiples of the step, from the top of the working range
// downward; none when the range holds 10000 steps or more.
std::vector<TAxisLabel> ValueLabels(const TAxisScale& scale, double step, const std::string& format,
                                    bool roundFirstLabel, bool labelsOnAxis);

// A text label before thinning: its pixel position and its extent along the axis.
struct TTextLabelCandidate {
    int Position = 0;
    int Extent = 0;
    double Value = 0;
    std::string Text;
};

// Keeps the first label and each later one that does not reach the last kept
// one; later labels count `separation` percent of their extent as margin.
std::vector<TAxisLabel> ThinTextLabels(const std::vector<TTextLabelCandidate>& candidates, int separation);
