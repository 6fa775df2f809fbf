#include "dsp/two_core_split.h"

#include <condition_variable>
#include <mutex>
#include <system_error>

struct THelperCore::TState {
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable done;
    std::function<void()> task;
    bool taken = false;   // a split holds the helper
    bool pending = false; // its task is handed over and not yet done
    bool started = false;
    std::thread thread;

    void Run()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return pending; });
            lock.unlock();
            task(); // catches what its work throws
            lock.lock();
            pending = false;
            task = nullptr;
            done.notify_all();
        }
    }
};

// Never destroyed: the helper waits for work until the process ends, and no
// object it uses may go before it.
THelperCore& THelperCore::Instance()
{
    static THelperCore* const core = new THelperCore();
    return *core;
}

THelperCore::THelperCore() : state_(new TState) { }

bool THelperCore::TryStart(std::function<void()> task)
{
    std::unique_lock<std::mutex> lock(state_->mutex);
    if (state_->taken)
        return false;
    if (!state_->started) {
        try {
            state_->thread = std::thread([state = state_] { state->Run(); });
        } catch (const std::system_error&) {
            return false;
        }
        state_->started = true;
    }
    state_->taken = true;
    state_->pending = true;
    state_->task = std::move(task);
    state_->wake.notify_one();
    return true;
}

void THelperCore::Finish()
{
    std::unique_lock<std::mutex> lock(state_->mutex);
    state_->done.wait(lock, [this] { return !state_->pending; });
    state_->taken = false;
}
