#include "batch/batch_options.h"

#include "input/box_values.h"
#include "input/sample_parser.h"
#include "runtime/code_page.h"
#include "runtime/exceptions.h"

#include <clocale>
#include <filesystem>
#include <langinfo.h>
#include <limits>
#include <string_view>

namespace {

// An option's value, or the error it gives.
struct TValue {
    std::string_view name;
    std::string_view text;
};

class TUsageError {
public:
    explicit TUsageError(std::string message) : message(std::move(message)) { }
    std::string message;
};

[[noreturn]] void Refuse(const TValue& value, std::string_view wanted)
{
    throw TUsageError(std::string(value.name) + ": '" + std::string(value.text) + "' is not " +
                      std::string(wanted));
}

int32_t Integer(const TValue& value)
{
    const std::optional<int32_t> n = BoxIntegerValue(Utf8ToCp1251(value.text));
    if (!n)
        Refuse(value, "a whole number");
    return *n;
}

std::string Rate(const TValue& value)
{
    const std::string text = Utf8ToCp1251(value.text);
    try {
        if (RateFromText(text))
            return text;
    } catch (const Exception&) { // beyond the 64-bit range
    }
    Refuse(value, "a number of Hz");
}

TAutoWindow Window(const TValue& value)
{
    const size_t comma = value.text.find(',');
    if (comma == std::string_view::npos)
        Refuse(value, "START,WIDTH");
    const TAutoWindow window{Integer({value.name, value.text.substr(0, comma)}),
                             Integer({value.name, value.text.substr(comma + 1)})};
    // What the window replaces whatever the data: a width of 0, a negative
    // start or width. One that does not fit a file is refused for that file.
    const TAutoWindow fitted = FitAutoWindow(window.start, window.width, std::numeric_limits<int64_t>::max());
    if (fitted.start != window.start || fitted.width != window.width)
        Refuse(value, "a window of START >= 0 and WIDTH >= 1");
    return window;
}

char Separator(const TValue& value)
{
    const std::string byte = Utf8ToCp1251(value.text);
    if (byte.size() != 1 || (byte == "?" && value.text != "?"))
        Refuse(value, "one character of code page 1251");
    return byte[0];
}

std::string Folder(const TValue& value)
{
    std::error_code error;
    if (!std::filesystem::is_directory(std::string(value.text), error))
        Refuse(value, "a folder");
    return std::string(value.text);
}

struct TOptionName {
    std::string_view name;
    bool takesValue;
};
constexpr TOptionName kOptions[] = {
    {"--adc", true},
    {"--harmonics", true},
    {"--keep-zero-harmonic", false},
    {"--rate", true},
    {"--pattern", true},
    {"--pattern-adc", true},
    {"--autocorrelation", true},
    {"--decimal-separator", true},
    {"--output", true},
    {"--help", false},
    {"--version", false},
};

void Apply(TBatchCommand& command, const TValue& v, bool& autoGiven, bool& patternAdcGiven)
{
    TBatchOptions& o = command.options;
    if (v.name == "--adc")
        o.adc = Integer(v);
    else if (v.name == "--harmonics") {
        const std::optional<int32_t> k = HarmonicCountValue(Utf8ToCp1251(v.text));
        if (!k)
            Refuse(v, "a whole number of at least 1");
        o.harmonics = *k;
    } else if (v.name == "--keep-zero-harmonic")
        o.removeZeroHarmonic = false;
    else if (v.name == "--rate")
        o.rateText = Rate(v);
    else if (v.name == "--pattern") {
        if (v.text.empty())
            Refuse(v, "a file");
        o.patternFile = std::string(v.text);
    } else if (v.name == "--pattern-adc") {
        o.patternAdc = Integer(v);
        patternAdcGiven = true;
    } else if (v.name == "--autocorrelation") {
        o.autoWindow = Window(v);
        autoGiven = true;
    } else if (v.name == "--decimal-separator")
        o.decimalPoint = Separator(v);
    else if (v.name == "--output")
        o.outputFolder = Folder(v);
    else if (v.name == "--help")
        command.action = TBatchCommand::Help;
    else if (v.name == "--version")
        command.action = TBatchCommand::Version;
}

} // namespace

TBatchCommand ReadBatchArguments(std::span<const char* const> args, char localeDecimalPoint)
{
    TBatchCommand command;
    command.options.decimalPoint = localeDecimalPoint;
    bool autoGiven = false;
    bool patternAdcGiven = false;
    try {
        bool optionsEnd = false;
        for (size_t i = 0; i < args.size(); ++i) {
            const std::string_view arg = args[i];
            if (optionsEnd || arg.size() < 2 || arg[0] != '-') {
                command.options.inputs.emplace_back(arg);
                continue;
            }
            if (arg == "--") {
                optionsEnd = true;
                continue;
            }
            const size_t equals = arg.find('=');
            const std::string_view name = arg.substr(0, equals);
            const TOptionName* option = nullptr;
            for (const TOptionName& known : kOptions)
                if (known.name == name)
                    option = &known;
            if (option == nullptr)
                throw TUsageError("unknown option '" + std::string(arg) + "'");
            std::string_view text;
            if (equals != std::string_view::npos) {
                if (!option->takesValue)
                    throw TUsageError(std::string(name) + " takes no value");
                text = arg.substr(equals + 1);
            } else if (option->takesValue) {
                if (++i == args.size())
                    throw TUsageError(std::string(name) + " needs a value");
                text = args[i];
            }
            Apply(command, {name, text}, autoGiven, patternAdcGiven);
            if (command.action != TBatchCommand::Run)
                return command; // --help or --version: the rest is not looked at
        }
        const TBatchOptions& o = command.options;
        if (!o.patternFile.empty() && autoGiven)
            throw TUsageError("--pattern and --autocorrelation exclude each other");
        if (o.patternFile.empty() && patternAdcGiven)
            throw TUsageError("--pattern-adc needs --pattern");
        if (o.inputs.empty())
            throw TUsageError("no data file given");
    } catch (const TUsageError& error) {
        command.action = TBatchCommand::UsageError;
        command.error = error.message;
    }
    return command;
}

char LocaleDecimalPoint()
{
    char byte = '.';
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        const std::string_view point = std::localeconv()->decimal_point;
        const std::string_view codeset = nl_langinfo(CODESET);
        const std::string cp = codeset == "UTF-8" ? Utf8ToCp1251(point) : std::string(point);
        if (cp.size() == 1 && cp != "?" && cp[0] != '\0')
            byte = cp[0];
    }
    std::setlocale(LC_NUMERIC, "C");
    return byte;
}

std::string BatchHelpText()
{
    return R"(Usage: dftscope-batch [OPTION]... FILE...
Runs each data FILE through the road of the Dftscope window: load (header,
stream rate, samples), spectrum, correlation, both exports. It writes the bytes
the window's "Export" writes for the same file and settings. Needs no display.

Options (the window's box for each in brackets):
  --adc N                    ADC scale of the data [ADC] (default 100)
  --harmonics K              number of harmonics, at least 1 [Количество
                             гармоник] (default 32)
  --keep-zero-harmonic       keep the zero harmonic [Убрать unchecked]
                             (default: removed, as the box is checked)
  --rate HZ                  stream rate in Hz [Скорость потока] (default: the
                             rate in the file's header, else 1, as a load sets it)
  --pattern FILE             correlate with the pattern in FILE, one sample per
                             line as in the pattern pane, no header removed
  --pattern-adc N            ADC scale of the pattern [ADC of Образ] (default 100)
  --autocorrelation START,WIDTH
                             autocorrelation of the data codes START ..
                             START+WIDTH-1 [Начало образца, Размер образца]
                             (default 0,100; used unless --pattern is given)
  --decimal-separator C      decimal separator of the exports (default: the
                             user's locale, "." when it is not installed)
  --output DIR               folder of the exports (default: beside each FILE)
  --help                     show this help and exit
  --version                  show the version and exit
A value the window would replace by its fallback (not a number, a harmonic
count below 1, a width of 0, a negative start or width) is an error here, as is
an autocorrelation window that does not fit a file's samples. A spectrum of more
harmonics times samples than the window allows (an eighth of the memory) runs.

Exports: for one FILE with --output DIR, DIR/export_spectr.dat and
DIR/export_korr.dat, the window's names. Otherwise NAME.export_spectr.dat and
NAME.export_korr.dat, NAME being the FILE's name without its extension, in DIR
or beside the FILE. Two FILEs whose exports would have the same name are an
error before anything is written. A file is replaced only once it is complete.

A bad line is reported as the window reports it, the line counted after the
header: "FILE: Данные: ошибка в строке L в позиции P". The other FILEs are
still processed. Progress is shown on standard error when it is a terminal.

Exit status: 0 every FILE done, 1 a FILE failed, 2 a usage error.
)";
}
