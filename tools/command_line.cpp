#include "tools/command_line.h"

#include "tools/version_info.h"

#include <cstdio>
#include <string_view>

namespace {

// Qt's options that take a value, as the next argument or after "=".
constexpr std::string_view kQtValueOptions[] = {
    "-platform",    "-platformpluginpath", "-platformtheme", "-plugin",     "-qwindowgeometry",
    "-qwindowicon", "-qwindowtitle",       "-style",         "-stylesheet", "-session",
    "-display",     "-geometry",           "-title",         "-name",
};
constexpr std::string_view kQtFlags[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};

bool IsQtOption(std::string_view arg, bool& takesNext)
{
    takesNext = false;
    for (const std::string_view flag : kQtFlags)
        if (arg == flag)
            return true;
    for (const std::string_view option : kQtValueOptions) {
        if (arg == option) {
            takesNext = true;
            return true;
        }
        if (arg.size() > option.size() && arg.substr(0, option.size()) == option && arg[option.size()] == '=')
            return true;
    }
    return false;
}

constexpr char kUsage[] = "Usage: dftscope [FILE]\n       dftscope --help | --version\n";

constexpr char kHelp[] = R"(Usage: dftscope [FILE]
Opens the Dftscope window: spectrum and correlation of a sampled signal.
With FILE, the window loads it as "Файл -> Загрузить данные" does: the stream
rate from its header, the header removed, the samples parsed. A file that
cannot be read is reported in the window, which keeps running.

  --help     show this help and exit
  --version  show the version and exit

Qt's own options (-platform NAME, -style NAME, -reverse, ...) are passed to Qt.
For a folder of files without a display, see dftscope-batch(1).
)";

} // namespace

TStartRequest ReadStartArguments(std::span<const char* const> args)
{
    TStartRequest request;
    bool optionsEnd = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        bool takesNext = false;
        if (!optionsEnd && arg == "--") {
            optionsEnd = true;
        } else if (!optionsEnd && (arg == "--help" || arg == "-h")) {
            return {TStartRequest::PrintHelp, {}, {}};
        } else if (!optionsEnd && arg == "--version") {
            return {TStartRequest::PrintVersion, {}, {}};
        } else if (!optionsEnd && IsQtOption(arg, takesNext)) {
            i += takesNext ? 1 : 0;
        } else if (!optionsEnd && arg.size() > 1 && arg[0] == '-') {
            return {TStartRequest::UsageError, {}, "unknown option '" + std::string(arg) + "'"};
        } else if (!request.file.empty()) {
            return {TStartRequest::UsageError, {}, "one data file at a time"};
        } else {
            request.file = std::string(arg);
        }
    }
    return request;
}

int AnswerWithoutWindow(const TStartRequest& request)
{
    switch (request.action) {
    case TStartRequest::PrintHelp:
        std::fputs(kHelp, stdout);
        return 0;
    case TStartRequest::PrintVersion:
        std::printf("dftscope %s\n", ProgramVersion().c_str());
        return 0;
    case TStartRequest::UsageError:
        std::fprintf(stderr, "dftscope: %s\n%s", request.error.c_str(), kUsage);
        return 2;
    case TStartRequest::OpenWindow:
        break;
    }
    return 0;
}

std::string ProgramVersion()
{
    return ProgramVersionInfo().Query("\\StringFileInfo\\041904E3\\ProductVersion").value_or("");
}
