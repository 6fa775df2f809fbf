#pragma once
// Where a bad line is shown: the character of the bad line at the reported
// position (0 counts as 1), found as text anywhere in the pane, so the mark is
// the first occurrence of that character, possibly in an earlier line.
#include "text/pane_text.h"

struct TBadLineMark {
    int start = -1; // -1 when there is nothing to mark
    int length = 0; // 1, or 0 when the position lies past the line's end
};

TBadLineMark LocateBadCharacter(const TPaneText& pane, int badLine, int errorPosition);
