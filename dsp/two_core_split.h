#pragma once
// Runs a range of independent work items on the machine's two cores: the
// caller's thread takes the first half, one helper thread the second. Small
// ranges stay on the caller's thread, where a thread start would cost more
// than it saves.
#include <cstdint>
#include <exception>
#include <thread>

// work(begin, end) must touch only the items of its own half. An exception
// thrown by either half is rethrown here after both halves have ended.
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
    std::exception_ptr helperError;
    std::thread helper([&] {
        try {
            work(middle, count);
        } catch (...) {
            helperError = std::current_exception();
        }
    });
    std::exception_ptr ownError;
    try {
        work(int64_t(0), middle);
    } catch (...) {
        ownError = std::current_exception();
    }
    helper.join();
    if (ownError)
        std::rethrow_exception(ownError);
    if (helperError)
        std::rethrow_exception(helperError);
}
