#pragma once
// Items finished by several workers in any order, handed on one at a time in
// their index order by whichever worker is free: the one that finishes the
// next item due hands it on, with every finished item after it, while the
// others keep working. Nobody waits for the hand-over.
#include <atomic>
#include <functional>
#include <memory>

class TOrderedHandOver {
public:
    TOrderedHandOver(int count, std::function<void(int)> handOn);

    // Item i is finished; answers after handing on what was due, or at once
    // when another worker is handing on (that one takes item i too).
    void Done(int i);

private:
    int count_;
    std::function<void(int)> handOn_;
    std::unique_ptr<std::atomic<bool>[]> done_;
    int next_ = 0; // the next item due; only the worker handing on touches it
    std::atomic<bool> handing_{false};
};
