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

int TBackgroundWriter::Wait()
{
    writing_.Wait();
    const int error = error_;
    error_ = 0;
    return error;
}

int TBackgroundWriter::Start(std::span<const std::string_view> blocks)
{
    const int error = Wait();
    if (error != 0)
        return error;
    blocks_.clear();
    for (const std::string_view block : blocks)
        if (!block.empty())
            blocks_.push_back(block);
    if (blocks_.empty())
        return 0;
    writing_.Run([this] {
        for (const std::string_view block : blocks_)
            if ((error_ = WriteAll(fd_, block.data(), block.size())) != 0)
                return;
    });
    return 0;
}
