// The batch command: the window's road over data files, without Qt.
#include "batch/batch_options.h"
#include "batch/batch_run.h"
#include "numbers/float_model.h"
#include "numbers/locale_separators.h"
#include "runtime/large_pages.h"
#include "tools/command_line.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// On a virtual machine the first touch of every 4 KB page a program allocates
// can cost tens of microseconds, more than the whole computation of the
// samples on it (a ten-million-sample file takes some 300 MB of fresh pages).
// glibc's allocator puts its large blocks on 2 MB pages when its tunable says
// so, and reads the tunable only at start: so the command starts itself once
// more with it. Nothing else changes; when the start fails it runs as it is.
void RestartWithLargePages(char** argv)
{
    constexpr const char* kTunable = "glibc.malloc.hugetlb=1";
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    if (tunables != nullptr && std::strstr(tunables, "glibc.malloc.hugetlb") != nullptr)
        return;
    const std::string value = tunables != nullptr && *tunables != '\0'
        ? std::string(tunables) + ":" + kTunable
        : std::string(kTunable);
    if (::setenv("GLIBC_TUNABLES", value.c_str(), 1) == 0)
        ::execv("/proc/self/exe", argv);
}

} // namespace

int main(int argc, char** argv)
{
    UseLargePages(argv);
    RestartWithLargePages(argv);
    ResetFpMode();
    const TBatchCommand command = ReadBatchArguments(
        std::span<const char* const>(argv + 1, size_t(argc > 0 ? argc - 1 : 0)), LocaleDecimalPoint());
    switch (command.action) {
    case TBatchCommand::Help:
        std::fputs(BatchHelpText().c_str(), stdout);
        return 0;
    case TBatchCommand::Version:
        std::printf("dftscope-batch %s\n", ProgramVersion().c_str());
        return 0;
    case TBatchCommand::UsageError:
        std::fprintf(stderr, "dftscope-batch: %s\nTry 'dftscope-batch --help' for more information.\n",
                     command.error.c_str());
        return 2;
    case TBatchCommand::Run:
        break;
    }
    SetLocaleSeparators(command.options.decimalPoint, DigitGroupChar());
    return RunBatch(command.options, stderr);
}
