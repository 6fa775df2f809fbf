#include "text/text_file_reader.h"

#include "numbers/number_format.h"
#include "runtime/exceptions.h"
#include "text/os_error.h"
#include "text/pane_text.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void RaiseOpenError(const std::string& path, int err)
{
    throw EFOpenError("Cannot open file \"" + MessagePath(path) + "\". " + OsErrorText(err));
}

int64_t g_paneFileLimit = TPaneText::kTextLimit;

// A pane's positions are 32-bit: a longer text would wrap them.
[[noreturn]] void RaiseTooLong(const std::string& path, int64_t characters)
{
    throw EFOpenError("Cannot open file \"" + MessagePath(path) + "\". It holds " + IntegerText(characters) +
                      " characters, more than the " + IntegerText(g_paneFileLimit) + " a pane holds");
}

// The bytes as read: a text that normalizing line breaks makes too long (it
// at most doubles, so only a long one is counted).
void RequirePaneRoom(const std::string& path, std::string_view bytes)
{
    if (int64_t(bytes.size()) <= g_paneFileLimit / 2)
        return;
    const int64_t length = TPaneText::LoadedLength(bytes);
    if (length > g_paneFileLimit)
        RaiseTooLong(path, length);
}

class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) { }
    ~FileHandle()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileHandle(FileHandle&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return fd_; }
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

constexpr size_t kChunk = 1 << 20;

// Opens path for reading as a pane's load does, refusing what it refuses;
// fills st.
FileHandle OpenForReading(const std::string& path, struct stat& st)
{
    // Not blocking, so that a named pipe without a writer is refused below
    // instead of hanging the program.
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0)
        RaiseOpenError(path, errno);
    if (::fstat(file.get(), &st) != 0)
        RaiseOpenError(path, errno);
    // Only a regular file holds a data file: a folder, a pipe or a device
    // (whose bytes may never end) is refused like a file that cannot be opened.
    if (!S_ISREG(st.st_mode))
        RaiseOpenError(path, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    // Others may read meanwhile but not write: a writer holds an exclusive lock.
    if (::flock(file.get(), LOCK_SH | LOCK_NB) != 0)
        RaiseOpenError(path, errno);
    if (st.st_size > g_paneFileLimit)
        RaiseTooLong(path, st.st_size);
    return file;
}

// The rest of an open file from where it stands; EOutOfResources "Failed to
// Load Stream" when reading fails or memory runs out.
std::string ReadOpenFile(int fd, const struct stat& st, TProgress& progress = NoProgress())
{
    TPieceProgress pieces(progress, st.st_size);
    std::string bytes;
    try {
        if (st.st_size > 0)
            bytes.reserve(size_t(st.st_size) + kChunk);
        size_t used = 0;
        for (;;) {
            if (bytes.size() - used < kChunk)
                bytes.resize(used + kChunk);
            const ssize_t n = ::read(fd, bytes.data() + used, kChunk);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                throw EOutOfResources("Failed to Load Stream");
            }
            if (n == 0)
                break;
            used += size_t(n);
            pieces.Done(n);
        }
        bytes.resize(used);
        pieces.Finish();
    } catch (const std::bad_alloc&) {
        throw EOutOfResources("Failed to Load Stream");
    }
    return bytes;
}

} // namespace

std::string ReadFileForPane(const std::string& path, TProgress& progress)
{
    struct stat st { };
    FileHandle file = OpenForReading(path, st);
    std::string bytes = ReadOpenFile(file.get(), st, progress);
    RequirePaneRoom(path, bytes); // it may have grown since it was opened
    return bytes;
}

void SetPaneFileLimit(int64_t characters) { g_paneFileLimit = characters; }
int64_t PaneFileLimit() { return g_paneFileLimit; }

TMappedFile::TMappedFile(const std::string& path)
{
    struct stat st { };
    FileHandle file = OpenForReading(path, st);
    if (size_t(st.st_size) < kMapFrom) {
        read_ = ReadOpenFile(file.get(), st);
        RequirePaneRoom(path, read_);
        data_ = read_.data();
        size_ = read_.size();
    } else {
        // Populated at once: the pages come from the page cache in one pass,
        // with no copy and no memory of the program's own to fill.
        void* at = ::mmap(nullptr, size_t(st.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, file.get(), 0);
        if (at == MAP_FAILED)
            throw EOutOfResources("Failed to Load Stream");
        try {
            RequirePaneRoom(path, {static_cast<const char*>(at), size_t(st.st_size)});
        } catch (...) {
            ::munmap(at, size_t(st.st_size));
            throw;
        }
        data_ = static_cast<const char*>(at);
        size_ = size_t(st.st_size);
        mapped_ = true;
    }
    fd_ = file.release(); // the shared lock stays while the bytes are read
}

TMappedFile::~TMappedFile()
{
    if (mapped_)
        ::munmap(const_cast<char*>(data_), size_);
    if (fd_ >= 0)
        ::close(fd_);
}
