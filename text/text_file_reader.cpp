#include "text/text_file_reader.h"

#include "runtime/exceptions.h"
#include "text/os_error.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void RaiseOpenError(const std::string& path, int err)
{
    throw EFOpenError("Cannot open file \"" + MessagePath(path) + "\". " + OsErrorText(err));
}

class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) { }
    ~FileHandle()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

constexpr size_t kChunk = 1 << 20;

} // namespace

std::string ReadFileForPane(const std::string& path)
{
    // Not blocking, so that a named pipe without a writer is refused below
    // instead of hanging the program.
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0)
        RaiseOpenError(path, errno);
    struct stat st { };
    if (::fstat(file.get(), &st) != 0)
        RaiseOpenError(path, errno);
    // Only a regular file holds a data file: a folder, a pipe or a device
    // (whose bytes may never end) is refused like a file that cannot be opened.
    if (!S_ISREG(st.st_mode))
        RaiseOpenError(path, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    // Others may read meanwhile but not write: a writer holds an exclusive lock.
    if (::flock(file.get(), LOCK_SH | LOCK_NB) != 0)
        RaiseOpenError(path, errno);

    std::string bytes;
    try {
        if (st.st_size > 0)
            bytes.reserve(size_t(st.st_size) + kChunk);
        size_t used = 0;
        for (;;) {
            if (bytes.size() - used < kChunk)
                bytes.resize(used + kChunk);
            const ssize_t n = ::read(file.get(), bytes.data() + used, kChunk);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                throw EOutOfResources("Failed to Load Stream");
            }
            if (n == 0)
                break;
            used += size_t(n);
        }
        bytes.resize(used);
    } catch (const std::bad_alloc&) {
        throw EOutOfResources("Failed to Load Stream");
    }
    return bytes;
}
