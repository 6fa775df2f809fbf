#pragma once
// Runs a range of independent work items on the machine's two cores: the
// caller's thread takes the first half, the helper thread the second. Small
// ranges stay on the caller's thread, where handing work over would cost more
// than it saves, and so does the second half when the helper is taken (by a
// split running on another thread, which then keeps that core busy).
#include <cfenv>
#include <cstdint>
#include <exception>
#include <functional>
#include <thread>

// The one helper thread of the process, started at first use and kept: a
// thread started and ended for every split costs tens of microseconds, and on
// some virtual machines a flush of the address translations of every core,
// more than a small split's work (a batch of a thousand short files makes
// thousands of splits).
class THelperCore {
public:
    static THelperCore& Instance();
    // Hands task over; false when the helper is taken (by a split running
    // elsewhere, or one that this task itself makes) or cannot start.
    bool TryStart(std::function<void()> task);
    // Waits for the task handed over and frees the helper.
    void Finish();

private:
    struct TState;
    THelperCore();
    TState* state_;
};

// work(begin, end) must touch only the items of its own half. An exception
// thrown by either half is rethrown here after both halves have ended. The
// helper works in the caller's floating-point environment.
template <class Work>
void SplitOverTwoCores(int64_t count, int64_t minimumForSplit, const Work& work)
{
    if (count <= 0)
        return;
    if (count < minimumForSplit || std::thread::hardware_concurrency() < 2) {
        work(int64_t(0), count);
        return;
    }
    const int64_t middle = count / 2;
    std::fenv_t environment;
    std::fegetenv(&environment);
    std::exception_ptr helperError;
    const auto secondHalf = [&] {
        try {
            work(middle, count);
        } catch (...) {
            helperError = std::current_exception();
        }
    };
    const auto second = [&] {
        std::fesetenv(&environment);
        secondHalf();
    };
    THelperCore& core = THelperCore::Instance();
    const bool handedOver = core.TryStart(second);
    std::exception_ptr ownError;
    try {
        work(int64_t(0), middle);
    } catch (...) {
        ownError = std::current_exception();
    }
    if (handedOver)
        core.Finish();
    else if (!ownError)
        secondHalf();
    if (ownError)
        std::rethrow_exception(ownError);
    if (helperError)
        std::rethrow_exception(helperError);
}
