#pragma once
// The window program's command line, read before the window exists, so that
// --help, --version and a wrong option are answered without a display:
//   dftscope [FILE]    opens the window and loads FILE as "Загрузить данные" does
//   dftscope --help | --version
// Qt's own options (-platform NAME, -style NAME, -reverse, ...) pass to Qt.
#include <span>
#include <string>

struct TStartRequest {
    enum Action { OpenWindow, PrintHelp, PrintVersion, UsageError };
    Action action = OpenWindow;
    std::string file;  // the data file to load; empty for none
    std::string error; // for a usage error
};

// args without the program name.
TStartRequest ReadStartArguments(std::span<const char* const> args);

// Prints what a request other than OpenWindow asks for (help and version on
// standard output, a usage error with a short usage on standard error) and
// gives the exit status: 0, or 2 for a usage error.
int AnswerWithoutWindow(const TStartRequest& request);

// "4.0.0.0", the product version of the About panel.
std::string ProgramVersion();
