#include "text/background_writer.h"

#include <cerrno>
#include <unistd.h>

int WriteAll(int fd, const char* data, size_t n)
{
    while (n > 0) {
        const ssize_t done = ::write(fd, data, n);
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += done;
        n -= size_t(done);
    }
    return 0;
}

TBackgroundWriter::TBackgroundWriter(int fd) : fd_(fd), thread_([this] { Run(); }) { }

TBackgroundWriter::~TBackgroundWriter()
{
    {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return !busy_; });
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

int TBackgroundWriter::Wait()
{
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return !busy_; });
    const int error = error_;
    error_ = 0;
    return error;
}

int TBackgroundWriter::Start(const char* data, size_t n)
{
    const int error = Wait();
    if (error != 0 || n == 0)
        return error;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        data_ = data;
        size_ = n;
        busy_ = true;
    }
    changed_.notify_all();
    return 0;
}

void TBackgroundWriter::Run()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return busy_ || stopping_; });
        if (!busy_)
            return;
        const char* data = data_;
        const size_t size = size_;
        lock.unlock();
        const int error = WriteAll(fd_, data, size);
        lock.lock();
        error_ = error;
        busy_ = false;
        changed_.notify_all();
    }
}
