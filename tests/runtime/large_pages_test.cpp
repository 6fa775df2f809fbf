// The restart into large pages, seen from the restarted process: the pages
// are large where the system gives them on request, and the environment
// reads as the user left it.
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace {

struct TProbe {
    std::string tunables;
    long largeKb = -1;
};

// Runs the probe with GLIBC_TUNABLES set to `tunables`, or unset for null.
TProbe RunProbe(const char* tunables)
{
    std::string command = tunables ? std::string("env GLIBC_TUNABLES='") + tunables + "' "
                                   : std::string("env -u GLIBC_TUNABLES ");
    command += LARGE_PAGES_PROBE;
    TProbe probe;
    FILE* out = ::popen(command.c_str(), "r");
    if (!out)
        return probe;
    char line[512] = {};
    if (std::fgets(line, sizeof line, out)) {
        probe.tunables = line;
        if (!probe.tunables.empty() && probe.tunables.back() == '\n')
            probe.tunables.pop_back();
    }
    if (std::fscanf(out, "%ld", &probe.largeKb) != 1)
        probe.largeKb = -1;
    ::pclose(out);
    return probe;
}

// Large pages on request only: the case where the restart matters.
bool LargePagesOnRequest()
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    return false; // the sanitizers' allocators do not read the C library's tunables
#else
    std::ifstream mode("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string text;
    std::getline(mode, text);
    return text.find("[madvise]") != std::string::npos;
#endif
}

TEST(LargePages, RestartedProgramTakesLargePagesAndSeesTheUsersEnvironment)
{
    const bool onRequest = LargePagesOnRequest();
    const TProbe unset = RunProbe(nullptr);
    EXPECT_EQ(unset.tunables, "(unset)");
    ASSERT_GE(unset.largeKb, 0) << "the probe did not run";
    if (onRequest) {
        EXPECT_GT(unset.largeKb, 0);
    }

    const TProbe other = RunProbe("glibc.malloc.arena_max=2");
    EXPECT_EQ(other.tunables, "glibc.malloc.arena_max=2") << "the user's tunables come back unchanged";
    if (onRequest) {
        EXPECT_GT(other.largeKb, 0);
    }

    // The user's own choice stands: no restart, no large pages.
    const TProbe refused = RunProbe("glibc.malloc.hugetlb=0");
    EXPECT_EQ(refused.tunables, "glibc.malloc.hugetlb=0");
    if (onRequest) {
        EXPECT_EQ(refused.largeKb, 0);
    }
}

} // namespace
