#pragma once
// A progress that asks a computation to stop once it has answered "go on" a
// given number of times, and records the positions it was shown.
#include "runtime/progress.h"

#include <atomic>
#include <vector>

class TStopAfter final : public TProgress {
public:
    explicit TStopAfter(int answers) : left_(answers) { }
    void SetMaximum(int maximum) override { maximum_ = maximum; }
    void SetPosition(int position) override { positions.push_back(position); }
    bool StopAsked() const override { return left_.fetch_sub(1) <= 0; }

    int maximum_ = -1;
    std::vector<int> positions; // shown one at a time, whatever the thread
private:
    mutable std::atomic<int> left_;
};
