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
    StopWriter();
    if (fd_ >= 0)
        ::close(fd_);
}

void TextOutputFile::StopWriter()
{
    if (!writer_)
        return;
    const int error = writer_->Wait();
    if (error != 0)
        Fail(WindowsErrorCode(error, name_));
    writer_.reset();
    held_ = {};
}

void TextOutputFile::Assign(std::string name)
{
    StopWriter();
    pending_ = 0; // a closed file has nothing to report
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
    StopWriter();
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
        struct stat st { };
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
                if (S_ISREG(st.st_mode)) {
                    if (!spare_)
                        spare_ = std::make_unique<char[]>(kBufferSize);
                    writer_ = std::make_unique<TBackgroundWriter>(fd);
                }
            }
        }
    }
    Check();
}

void TextOutputFile::FlushBuffer()
{
    int error;
    if (writer_) {
        // The buffer before this one has been written by now (or its error
        // comes back here); this one goes out while the other fills.
        error = writer_->Start(buffer_.get(), used_);
        std::swap(buffer_, spare_);
    } else {
        error = WriteAll(fd_, buffer_.get(), used_);
    }
    if (error != 0)
        Fail(WindowsErrorCode(error, name_));
    used_ = 0;
}

std::vector<std::string> TextOutputFile::WriteTexts(std::vector<std::string> texts)
{
    if (!writer_) {
        for (const std::string& text : texts)
            Write(text);
        return texts;
    }
    // The buffer's bytes come before the texts.
    std::vector<std::string_view> blocks{std::string_view(buffer_.get(), used_)};
    blocks.insert(blocks.end(), texts.begin(), texts.end());
    const int error = writer_->Start(blocks);
    if (error != 0) {
        Fail(WindowsErrorCode(error, name_));
    } else {
        std::swap(buffer_, spare_);
        used_ = 0;
        std::swap(held_, texts);
    }
    Check();
    return texts;
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
        StopWriter();
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
