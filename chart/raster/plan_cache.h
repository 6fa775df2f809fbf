#pragma once
// The plans of the series a plot painted last, kept by whoever paints them
// (the plot widget), so that a paint of the same values with the same
// scales, clip and markers takes its plan back instead of walking millions
// of points again. The series themselves keep nothing of a paint.
#include "chart/raster/column_plan.h"

#include <memory>
#include <vector>

class TPlanCache {
public:
    // Hands the plan for key to paint, a range at a time in painting order,
    // and answers it: the plan kept when it was asked for since the last
    // Sweep or in the paint before, a new one otherwise (handed on while it
    // is worked out).
    const TColumnPlan& Paint(const TPlanKey& key, bool xNonDecreasing, const TPlanPaint& paint = {});
    // A paint is over: drops the plans it did not ask for.
    void Sweep();
    // How many plans were worked out (tests count the walks saved).
    int Made() const { return made_; }

private:
    struct TEntry {
        TPlanKey Key;
        std::unique_ptr<TColumnPlan> Plan;
        bool Used;
    };
    std::vector<TEntry> entries_;
    // The memory of a plan dropped, for the next one to take.
    TColumnPlan spare_;
    int made_ = 0;
};
