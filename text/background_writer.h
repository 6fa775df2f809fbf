#pragma once
// Writes blocks of bytes to a file descriptor on a thread of its own, one
// block at a time, so that the system's copying of a block into the file
// overlaps the making of the next one. Errors come back, as errno values, from
// the next call that waits for the block in flight.
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>

// Writes all n bytes (again after an interruption or a short write); 0, or
// the errno of the write that failed.
int WriteAll(int fd, const char* data, size_t n);

class TBackgroundWriter {
public:
    explicit TBackgroundWriter(int fd);
    // Waits for the block in flight; the descriptor stays open.
    ~TBackgroundWriter();
    TBackgroundWriter(const TBackgroundWriter&) = delete;
    TBackgroundWriter& operator=(const TBackgroundWriter&) = delete;

    // Waits for the block in flight and gives its error (0 when it was
    // written whole); then, when that block succeeded, starts writing n bytes
    // from data, which must stay untouched until the next Start or Wait.
    int Start(const char* data, size_t n);
    // Waits for the block in flight and gives its error.
    int Wait();

private:
    void Run();

    int fd_;
    std::mutex mutex_;
    std::condition_variable changed_;
    const char* data_ = nullptr;
    size_t size_ = 0;
    bool busy_ = false;
    bool stopping_ = false;
    int error_ = 0;
    std::thread thread_;
};
