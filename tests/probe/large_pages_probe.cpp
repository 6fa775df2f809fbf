// Started by the large-page test: restarts itself as the program does, then
// prints what the restarted process sees, GLIBC_TUNABLES and the kB of its
// memory in large pages after taking 64 MB.
#include "runtime/large_pages.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

int main(int, char** argv)
{
    UseLargePages(argv);
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    const size_t size = size_t(64) << 20;
    char* block = static_cast<char*>(std::malloc(size));
    std::memset(block, 1, size);
    long large = 0;
    std::ifstream rollup("/proc/self/smaps_rollup");
    for (std::string line; std::getline(rollup, line);)
        if (line.rfind("AnonHugePages:", 0) == 0)
            large = std::atol(line.c_str() + 14);
    std::printf("%s\n%ld\n", tunables ? tunables : "(unset)", large + (block[size - 1] - 1));
    std::free(block);
    return 0;
}
