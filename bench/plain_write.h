#pragma once
// The system's part of writing a file: the time a plain write of as many
// bytes takes, with nothing to form, for comparison with an export's time.
#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// Seconds to write as many bytes as the file at `path` holds into a new file
// beside it, 64 KB a call, with nothing to form: what the system alone
// costs to take that much new file content. The copy is removed after.
inline double PlainWriteSeconds(const std::string& path)
{
    struct stat st { };
    if (::stat(path.c_str(), &st) != 0)
        return -1;
    const std::string copy = path + ".plain";
    std::vector<char> block(65536, 'x');
    const auto start = std::chrono::steady_clock::now();
    const int fd = ::open(copy.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return -1;
    for (off_t left = st.st_size; left > 0;) {
        const ssize_t done = ::write(fd, block.data(), size_t(std::min<off_t>(left, off_t(block.size()))));
        if (done <= 0)
            break;
        left -= done;
    }
    ::close(fd);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ::unlink(copy.c_str());
    return seconds;
}
