#include "chart/raster/plan_cache.h"

#include <algorithm>

const TColumnPlan& TPlanCache::Paint(const TPlanKey& key, bool xNonDecreasing, const TPlanPaint& paint)
{
    for (TEntry& e : entries_)
        if (e.Key == key) {
            e.Used = true;
            if (paint)
                for (const TPlanRange& r : e.Plan->Ranges)
                    paint(r);
            return *e.Plan;
        }
    auto plan = std::make_unique<TColumnPlan>(MakeColumnPlan(key, xNonDecreasing, paint, std::move(spare_)));
    spare_ = {};
    ++made_;
    entries_.push_back({key, std::move(plan), true});
    return *entries_.back().Plan;
}

void TPlanCache::Sweep()
{
    for (TEntry& e : entries_)
        if (!e.Used)
            spare_ = std::move(*e.Plan);
    std::erase_if(entries_, [](const TEntry& e) { return !e.Used; });
    for (TEntry& e : entries_)
        e.Used = false;
}
