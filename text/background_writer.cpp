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

int TBackgroundWriter::Start(const char* data, size_t n)
{
    const int error = Wait();
    if (error != 0 || n == 0)
        return error;
    writing_.Run([this, data, n] { error_ = WriteAll(fd_, data, n); });
    return 0;
}
