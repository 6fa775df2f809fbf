#include "text/text_output_file.h"

#include "runtime/exceptions.h"
#include "text/os_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int kFileNotOpen = 103;
constexpr int kNotOpenForOutput = 105;
constexpr int kSharingViolation = 32;
} // namespace

TextOutputFile::~TextOutputFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void TextOutputFile::Assign(std::string name)
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    used_ = 0;
    name_ = std::move(name);
}

void TextOutputFile::Fail(int code)
{
    if (pending_ == 0)
        pending_ = code;
}

void TextOutputFile::Rewrite()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    used_ = 0;
    // Not O_TRUNC: the file is emptied only once the lock shows nobody else is
    // writing it, so a refused open leaves the other writer's file intact.
    const int fd = ::open(name_.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        Fail(WindowsErrorCode(errno, name_));
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        Fail(errno == EWOULDBLOCK ? kSharingViolation : WindowsErrorCode(errno, name_));
    } else {
        struct stat st{};
        if (::fstat(fd, &st) != 0) {
            Fail(WindowsErrorCode(errno, name_));
            ::close(fd);
        } else {
            device_ = S_ISCHR(st.st_mode);
            if (S_ISREG(st.st_mode) && ::ftruncate(fd, 0) != 0) {
                Fail(WindowsErrorCode(errno, name_));
                ::close(fd);
            } else {
                fd_ = fd;
            }
        }
    }
    Check();
}

void TextOutputFile::FlushBuffer()
{
    size_t done = 0;
    while (done < used_) {
        const ssize_t n = ::write(fd_, buffer_.get() + done, used_ - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Fail(WindowsErrorCode(errno, name_));
            break;
        }
        done += size_t(n);
    }
    used_ = 0;
}

void TextOutputFile::Append(const char* bytes, size_t n)
{
    if (fd_ < 0) {
        Fail(kNotOpenForOutput);
        return;
    }
    while (n > 0) {
        const size_t take = std::min(n, kBufferSize - used_);
        std::memcpy(buffer_.get() + used_, bytes, take);
        used_ += take;
        bytes += take;
        n -= take;
        if (used_ == kBufferSize) {
            FlushBuffer();
            if (pending_ != 0)
                return; // the failed statement writes nothing further
        }
    }
}

void TextOutputFile::EndStatement()
{
    if (device_ && fd_ >= 0 && pending_ == 0)
        FlushBuffer();
    Check();
}

void TextOutputFile::Close()
{
    if (fd_ < 0) {
        Fail(kFileNotOpen);
    } else {
        FlushBuffer();
        if (::close(fd_) != 0)
            Fail(WindowsErrorCode(errno, name_));
        fd_ = -1;
    }
    Check();
}

void TextOutputFile::Check()
{
    if (pending_ == 0)
        return;
    const int code = pending_;
    pending_ = 0;
    throw EInOutError(MessageFor(code), code);
}

std::string TextOutputFile::MessageFor(int code)
{
    switch (code) {
    case 2:
        return "File not found";
    case 3:
        return "Invalid filename";
    case 4:
        return "Too many open files";
    case 5:
        return "File access denied";
    case 100:
        return "Read beyond end of file";
    case 101:
        return "Disk full";
    case 106:
        return "Invalid numeric input";
    default:
        return "I/O error " + std::to_string(code);
    }
}
