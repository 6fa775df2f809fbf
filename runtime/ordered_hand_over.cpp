#include "runtime/ordered_hand_over.h"

TOrderedHandOver::TOrderedHandOver(int count, std::function<void(int)> handOn)
        : count_(count), handOn_(std::move(handOn)),
          done_(std::make_unique<std::atomic<bool>[]>(size_t(count)))
{
}

void TOrderedHandOver::Done(int i)
{
    // Sequentially consistent throughout: a worker that finds another one
    // handing on leaves its item to it, and that one's look after it stops
    // handing must see the item finished.
    done_[i].store(true);
    while (!handing_.exchange(true)) {
        int k = next_;
        while (k < count_ && done_[k].load()) {
            handOn_(k);
            ++k;
        }
        next_ = k;
        handing_.store(false);
        if (k >= count_ || !done_[k].load())
            return;
    }
}
