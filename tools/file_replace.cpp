#include "tools/file_replace.h"

#include "runtime/exceptions.h"
#include "text/os_error.h"
#include "text/text_output_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kSharingViolation = 32;

[[noreturn]] void RaiseIoError(int code) { throw EInOutError(TextOutputFile::MessageFor(code), code); }

// The file a name stands for: the final target of a symbolic link (so the link
// survives the rename), otherwise the name itself.
std::string ResolvedTarget(const std::string& target)
{
    struct stat st { };
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return target;
    char* real = ::realpath(target.c_str(), nullptr);
    if (real == nullptr)
        return target; // a dangling link is replaced like a missing file
    std::string resolved(real);
    std::free(real);
    return resolved;
}

// A name beside the target that no file has yet.
std::string TemporaryName(const std::string& target)
{
    static std::atomic<unsigned> serial = 0; // the batch command replaces files from two threads
    for (;;) {
        std::string name =
            target + ".~" + std::to_string(::getpid()) + "-" + std::to_string(++serial) + ".tmp";
        if (::access(name.c_str(), F_OK) != 0)
            return name;
    }
}

// The existing target, opened for writing without emptying it: refuses what
// opening it for the export would refuse and, holding the write lock until the
// replacement is done, keeps another writer out meanwhile.
class TTargetHold {
public:
    explicit TTargetHold(const std::string& path)
    {
        // O_NONBLOCK: a FIFO without a reader must not hang the window.
        fd_ = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0) {
            if (errno == ENOENT)
                return;
            RaiseIoError(WindowsErrorCode(errno, path));
        }
        struct stat st { };
        if (::fstat(fd_, &st) != 0)
            Refuse(WindowsErrorCode(errno, path));
        if (::flock(fd_, LOCK_EX | LOCK_NB) != 0)
            Refuse(errno == EWOULDBLOCK ? kSharingViolation : WindowsErrorCode(errno, path));
        regular_ = S_ISREG(st.st_mode);
        mode_ = st.st_mode & 07777;
    }
    ~TTargetHold() { Release(); }
    TTargetHold(const TTargetHold&) = delete;
    TTargetHold& operator=(const TTargetHold&) = delete;

    bool Exists() const { return fd_ >= 0; }
    bool Regular() const { return regular_; }
    mode_t Mode() const { return mode_; }
    void Release()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    [[noreturn]] void Refuse(int code)
    {
        ::close(fd_);
        fd_ = -1;
        RaiseIoError(code);
    }

    int fd_ = -1;
    bool regular_ = false;
    mode_t mode_ = 0;
};

void WriteDirectly(const std::string& path, const std::function<void(TextOutputFile&)>& write)
{
    TextOutputFile file;
    file.Assign(path);
    file.Rewrite();
    write(file);
    file.Close();
}

} // namespace

void WriteFileReplacing(const std::string& target, const std::function<void(TextOutputFile&)>& write)
{
    const std::string path = ResolvedTarget(target);
    TTargetHold hold(path);
    if (hold.Exists() && !hold.Regular()) {
        // A device has no previous content to protect and cannot be renamed
        // over; the file's own open takes the lock, so ours goes first.
        hold.Release();
        WriteDirectly(path, write);
        return;
    }
    const std::string temporary = TemporaryName(path);
    TextOutputFile file;
    file.Assign(temporary);
    try {
        file.Rewrite();
        write(file);
        file.Close();
        // The replacement keeps the permissions the old file had.
        if (hold.Exists())
            ::chmod(temporary.c_str(), hold.Mode());
        if (std::rename(temporary.c_str(), path.c_str()) != 0)
            RaiseIoError(WindowsErrorCode(errno, path));
    } catch (...) {
        file.Assign(std::string()); // closes without another check
        ::unlink(temporary.c_str());
        throw;
    }
}
