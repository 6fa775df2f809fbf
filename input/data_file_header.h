#pragma once
// The header of a data file as it stands in the data pane: the stream rate after
// the first "Hz):" (one separator character skipped, up to the next tab) and the
// "*******" marker that ends the header together with its line break.
#include "text/pane_text.h"

struct TRateText {
    bool found = false; // "Hz):" and a tab after it
    int start = 0;      // selection of the rate text; length may be negative when
    int length = 0;     // the tab follows the colon directly
};

// Searches the first textLength positions, as the load does after select all.
TRateText FindRateText(const TPaneText& pane, int textLength);

// The number of positions from the start that form the header (through the
// marker and the two characters after it), or -1 when there is no marker.
int HeaderLength(const TPaneText& pane, int textLength);
