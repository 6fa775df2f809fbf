#include "runtime/large_pages.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* kTunables = "GLIBC_TUNABLES";
constexpr const char* kLargePages = "glibc.malloc.hugetlb=1";
// Set for the restarted program: the value GLIBC_TUNABLES had before, with a
// leading '=' when it was set at all.
constexpr const char* kBefore = "DFTSCOPE_TUNABLES_BEFORE";

} // namespace

void UseLargePages(char** argv)
{
    // Once a process: a second call after the first has put the environment
    // back must not start the program yet again.
    static bool asked = false;
    if (asked)
        return;
    asked = true;
    if (const char* before = std::getenv(kBefore)) {
        // The restarted program: the tunable has been read; give the user's value back.
        if (before[0] == '=')
            ::setenv(kTunables, before + 1, 1);
        else
            ::unsetenv(kTunables);
        ::unsetenv(kBefore);
        return;
    }
    const char* found = std::getenv(kTunables);
    // The user's own choice of huge pages stands.
    if (found && std::strstr(found, "glibc.malloc.hugetlb"))
        return;
    const bool set = found != nullptr;
    const std::string tunables = set ? found : "";
    const std::string value = tunables.empty() ? kLargePages : tunables + ":" + kLargePages;
    ::setenv(kBefore, set ? ("=" + tunables).c_str() : "", 1);
    ::setenv(kTunables, value.c_str(), 1);
    ::execv("/proc/self/exe", argv);
    // Not restarted (no /proc, say): carry on with small pages and the
    // environment as it was.
    if (set)
        ::setenv(kTunables, tunables.c_str(), 1);
    else
        ::unsetenv(kTunables);
    ::unsetenv(kBefore);
}
