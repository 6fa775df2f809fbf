#include "input/data_file_header.h"

#include "numbers/number_parse.h"
#include "runtime/exceptions.h"

namespace {
constexpr std::string_view kRateKey = "Hz):";
constexpr std::string_view kMarker = "*******";
// The marker is followed by its line break, CR LF.
constexpr int kBreakLength = 2;
} // namespace

TRateText FindRateText(const TPaneText& pane, int textLength)
{
    const int h = pane.Find(kRateKey, 0, textLength, true);
    if (h < 0)
        return {};
    const int t = pane.Find("\t", h, textLength, true);
    if (t < 0)
        return {};
    // Skip "Hz):" and the one separator character after it.
    const int start = h + int(kRateKey.size()) + 1;
    return {true, start, t - start};
}

int HeaderLength(const TPaneText& pane, int textLength)
{
    const int m = pane.Find(kMarker, 0, textLength, true);
    return m < 0 ? -1 : m + int(kMarker.size()) + kBreakLength;
}

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
