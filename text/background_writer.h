#pragma once
// Writes blocks of bytes to a file descriptor as a task of the program's
// worker pool, one block at a time, so that the system's copying of a block
// into the file overlaps the making of the next one. Errors come back, as
// errno values, from the next call that waits for the block in flight. With
// no free worker the block is written by the caller when it next waits.
#include "runtime/worker_pool.h"

#include <cstddef>

// Writes all n bytes (again after an interruption or a short write); 0, or
// the errno of the write that failed.
int WriteAll(int fd, const char* data, size_t n);

class TBackgroundWriter {
public:
    explicit TBackgroundWriter(int fd) : fd_(fd) { }
    // The destruction waits for the block in flight (the task's own wait);
    // the descriptor stays open.
    TBackgroundWriter(const TBackgroundWriter&) = delete;
    TBackgroundWriter& operator=(const TBackgroundWriter&) = delete;

    // Waits for the block in flight and gives its error (0 when it was
    // written whole); then, when that block succeeded, starts writing n bytes
    // from data, which must stay untouched until the next Start or Wait.
    int Start(const char* data, size_t n);
    // Waits for the block in flight and gives its error.
    int Wait();

private:
    int fd_;
    int error_ = 0; // set by the block's task, read after the wait
    TBackgroundTask writing_;
};
