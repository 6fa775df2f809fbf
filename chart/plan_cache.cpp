#include "chart/plan_cache.h"

#include <algorithm>

const TColumnPlan& TPlanCache::PlanFor(const TPlanKey& key, bool xNonDecreasing)
{
    for (TEntry& e : entries_)
        if (e.Key == key) {
            e.Used = true;
            return *e.Plan;
        }
    auto plan = std::make_unique<const TColumnPlan>(MakeColumnPlan(key, xNonDecreasing));
    ++made_;
    entries_.push_back({key, std::move(plan), true});
    return *entries_.back().Plan;
}

void TPlanCache::Sweep()
{
    std::erase_if(entries_, [](const TEntry& e) { return !e.Used; });
    for (TEntry& e : entries_)
        e.Used = false;
}
