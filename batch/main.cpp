// The batch command: the window's road over data files, without Qt.
#include "batch/batch_options.h"
#include "batch/batch_run.h"
#include "numbers/float_model.h"
#include "numbers/locale_separators.h"
#include "runtime/large_pages.h"
#include "tools/command_line.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    UseLargePages(argv);
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
