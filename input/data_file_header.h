#pragma once
// The header of a data file as it stands in the data pane: the stream rate after
// the first "Hz):" (one separator character skipped, up to the next tab) and the
// "*******" marker that ends the header together with its line break.
#include "text/pane_text.h"

#include <string>
#include <string_view>

struct TRateText {
    bool found = false; // "Hz):" and a tab after it
    int start = 0;      // selection of the rate text; length may be negative when
    int length = 0;     // the tab follows the colon directly
};

// Searches the first textLength positions, as the load does after select all.
TRateText FindRateText(const TPaneText& pane, int textLength);
// The same search in a text; positions are offsets into it.
TRateText FindRateText(std::string_view text);

// What the rate box keeps of the rate text pasted into it: the text when it
// converts as a number, otherwise "1" (also the rate when there is none).
std::string RateBoxText(std::string_view pasted);
inline constexpr std::string_view kNoRateText = "1";

// The number of positions from the start that form the header (through the
// marker and the two characters after it), or -1 when there is no marker.
int HeaderLength(const TPaneText& pane, int textLength);
int HeaderLength(std::string_view text);
