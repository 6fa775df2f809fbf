#pragma once
// The plans of the series a plot painted last, kept by whoever paints them
// (the plot widget), so that a paint of the same values with the same
// scales, clip and markers takes its plan back instead of walking millions
// of points again. The series themselves keep nothing of a paint.
#include "chart/column_plan.h"

#include <memory>
#include <vector>

class TPlanCache {
public:
    // The plan for key: the one kept when it was asked for since the last
    // Sweep, or in the paint before; a new one otherwise.
    const TColumnPlan& PlanFor(const TPlanKey& key, bool xNonDecreasing);
    // A paint is over: drops the plans it did not ask for.
    void Sweep();
    // How many plans were worked out (tests count the walks saved).
    int Made() const { return made_; }

private:
    struct TEntry {
        TPlanKey Key;
        std::unique_ptr<const TColumnPlan> Plan;
        bool Used;
    };
    std::vector<TEntry> entries_;
    int made_ = 0;
};
