#pragma once
// Reading a whole file for a pane: opened for reading with read sharing (a
// shared lock, refused while another holder has the file locked for writing).
// Raises EFOpenError "Cannot open file "%s". %s" (full path, system reason)
// when it cannot be opened or is not a regular file, or when its text, line
// breaks made CR LF, is longer than a pane holds (the reason then gives both
// lengths; a file longer than that is refused before it is read), and
// EOutOfResources "Failed to Load Stream" when reading fails.
#include "runtime/progress.h"

#include <cstdint>
#include <string>
#include <string_view>

// path is as the operating system takes it (file-name encoding, UTF-8 here);
// the message names the file by its absolute, lexically normal path.
// Reads in pieces of a megabyte, each a cancellation point of progress
// (ERunStopped), whose position is the share of the file read.
std::string ReadFileForPane(const std::string& path, TProgress& progress = NoProgress());

// The most characters a file may give a pane: TPaneText::kTextLimit, whose
// positions stay in 32 bits. Tests may lower it.
void SetPaneFileLimit(int64_t characters);
int64_t PaneFileLimit();

// The same file, opened and refused alike, for a reader that looks at each
// byte once: a large file is mapped into memory instead of copied, a small
// one read (a mapping's removal costs more than a copy of a few pages). The
// bytes stay valid, and the shared lock held, while it lives.
class TMappedFile {
public:
    static constexpr size_t kMapFrom = size_t(4) << 20;

    explicit TMappedFile(const std::string& path);
    ~TMappedFile();
    TMappedFile(const TMappedFile&) = delete;
    TMappedFile& operator=(const TMappedFile&) = delete;
    std::string_view Bytes() const { return {data_, size_}; }

private:
    const char* data_ = nullptr;
    size_t size_ = 0;
    int fd_ = -1;
    bool mapped_ = false;
    std::string read_; // a small file's bytes
};
