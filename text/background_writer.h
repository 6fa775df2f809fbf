#pragma once
// Writes blocks of bytes to a file descriptor as a task of the program's
// worker pool, one run of blocks at a time, so that the system's copying of
// them into the file overlaps the making of the next ones. Errors come back,
// as errno values, from the next call that waits for the run in flight. With
// no free worker the run is written by the caller when it next waits.
#include "runtime/worker_pool.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

// Writes all n bytes (again after an interruption or a short write); 0, or
// the errno of the write that failed.
int WriteAll(int fd, const char* data, size_t n);

class TBackgroundWriter {
public:
    explicit TBackgroundWriter(int fd) : fd_(fd) { }
    // The destruction waits for the run in flight (the task's own wait);
    // the descriptor stays open.
    TBackgroundWriter(const TBackgroundWriter&) = delete;
    TBackgroundWriter& operator=(const TBackgroundWriter&) = delete;

    // Waits for the run in flight and gives its error (0 when it was
    // written whole); then, when that run succeeded, starts writing the
    // blocks one after another, whose bytes must stay untouched until the
    // next Start or Wait.
    int Start(std::span<const std::string_view> blocks);
    int Start(const char* data, size_t n)
    {
        const std::string_view block(data, n);
        return Start({&block, 1});
    }
    // Waits for the run in flight and gives its error.
    int Wait();

private:
    int fd_;
    std::vector<std::string_view> blocks_; // the run in flight
    int error_ = 0;                        // set by the run's task, read after the wait
    TBackgroundTask writing_;
};
