#include "input/data_file_header.h"

#include "numbers/number_parse.h"
#include "runtime/exceptions.h"

#include <algorithm>

namespace {
constexpr std::string_view kRateKey = "Hz):";
constexpr std::string_view kMarker = "*******";
// The marker is followed by its line break, CR LF.
constexpr int kBreakLength = 2;

std::string_view Searched(const TPaneText& pane, int textLength)
{
    return std::string_view(pane.Text()).substr(0, size_t(std::max(0, textLength)));
}
} // namespace

TRateText FindRateText(std::string_view text)
{
    const size_t h = text.find(kRateKey);
    if (h == std::string_view::npos)
        return {};
    const size_t t = text.find('\t', h);
    if (t == std::string_view::npos)
        return {};
    // Skip "Hz):" and the one separator character after it.
    const int start = int(h + kRateKey.size()) + 1;
    return {true, start, int(t) - start};
}

TRateText FindRateText(const TPaneText& pane, int textLength)
{
    return FindRateText(Searched(pane, textLength));
}

int HeaderLength(std::string_view text)
{
    const size_t m = text.find(kMarker);
    return m == std::string_view::npos ? -1 : int(m + kMarker.size()) + kBreakLength;
}

int HeaderLength(const TPaneText& pane, int textLength) { return HeaderLength(Searched(pane, textLength)); }

std::string RateBoxText(std::string_view pasted)
{
    // A rate beyond the extended range does not convert either; the load goes on.
    try {
        if (ParseFloat(pasted).errorPosition == 0)
            return std::string(pasted);
    } catch (const EOverflow&) {
    }
    return std::string(kNoRateText);
}
