#include "text/os_error.h"

#include "runtime/code_page.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

namespace {

bool FolderExists(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    struct stat st { };
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

int WindowsErrorCode(int err, const std::string& path)
{
    switch (err) {
    case 0:
        return 0;
    case ENOENT:
        return path.empty() || FolderExists(path) ? 2 : 3; // file / path not found
    case ENOTDIR:
    case ENAMETOOLONG:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4; // too many open files
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return 5; // access denied
    case EBADF:
        return 6; // invalid handle
    case ENOMEM:
        return 8; // not enough memory
    case ETXTBSY:
    case EBUSY:
    case EWOULDBLOCK:
        return 32; // sharing violation
    case EEXIST:
        return 80; // file exists
    case EINVAL:
        return 87; // invalid parameter
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return 112; // disk full
    case EIO:
        return 1117; // I/O device error
    default:
        return 31; // device not functioning (general failure)
    }
}

std::string TrimReason(std::string text)
{
    while (!text.empty()) {
        const unsigned char c = static_cast<unsigned char>(text.back());
        if (c <= ' ' || c == '.' || c == 0x7F)
            text.pop_back();
        else
            break;
    }
    return text;
}

std::string OsErrorText(int err)
{
    // The system writes its messages in the locale's encoding, UTF-8 here.
    return TrimReason(Utf8ToCp1251(std::strerror(err)));
}

std::string MessagePath(const std::string& path)
{
    std::error_code ignored;
    return Utf8ToCp1251(std::filesystem::absolute(path, ignored).lexically_normal().string());
}
