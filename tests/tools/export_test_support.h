#pragma once
// Scratch folders for the export tests: a fresh folder made the current
// directory for the test's lifetime, its files' bytes, and the conditions that
// make writing fail for real (a read-only mount, a tiny file system). Mounting
// needs root and mount rights: the mounts are made in a mount namespace of this
// process's own, so nothing outside it sees them and nothing outlives it.
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <sched.h>
#include <set>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace export_test {

// Header bytes of the two export files, as the Windows-1251 code page has them.
inline const std::string kSpectrumHeader = "\xC3\xE0\xF0\xEC\xEE\xED\xE8\xEA\xE0\t"
                                           "\xD7\xE0\xF1\xF2\xEE\xF2\xE0\t"
                                           "\xC7\xED\xE0\xF7\xE5\xED\xE8\xE5\t\r\n";
inline const std::string kCorrelationHeader = "\xC4\xE0\xED\xFB\xE5\t"
                                              "\xCA\xEE\xF0\xF0\xE5\xEB\xFF\xF6\xE8\xFF\t"
                                              "\xCE\xE1\xF0\xE0\xE7\t\r\n";

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::set<std::string> FileNames(const std::string& folder)
{
    std::set<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.insert(name);
        }
        ::closedir(dir);
    }
    return names;
}

// True once this process has a private mount namespace.
inline bool PrivateMounts()
{
    static const bool ok = [] {
        if (::geteuid() != 0 || ::unshare(CLONE_NEWNS) != 0)
            return false;
        return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    }();
    return ok;
}

class ScratchFolder {
public:
    ScratchFolder()
    {
        char pattern[] = "/tmp/export_test_XXXXXX";
        path_ = ::mkdtemp(pattern);
        char* previous = ::getcwd(nullptr, 0);
        previous_ = previous;
        std::free(previous);
        Enter();
    }
    ~ScratchFolder()
    {
        if (::chdir(previous_.c_str()) != 0)
            return;
        if (mounted_)
            ::umount2(path_.c_str(), MNT_DETACH);
        std::system(("rm -rf '" + path_ + "'").c_str());
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    std::set<std::string> Files() const { return FileNames(path_); }

    // Puts a file system of sizeBytes over the folder (false when not allowed).
    bool MountTinyFileSystem(size_t sizeBytes)
    {
        if (!PrivateMounts())
            return false;
        const std::string options = "size=" + std::to_string(sizeBytes);
        if (::mount("tmpfs", path_.c_str(), "tmpfs", 0, options.c_str()) != 0)
            return false;
        mounted_ = true;
        Enter(); // the current directory must be the mounted folder, not the one below
        return true;
    }

    // Makes the mounted folder read-only, root included.
    bool RemountReadOnly()
    {
        return mounted_ && ::mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    void Enter()
    {
        if (::chdir(path_.c_str()) != 0)
            std::abort();
    }

    std::string path_;
    std::string previous_;
    bool mounted_ = false;
};

} // namespace export_test
