#include "input/bad_line_mark.h"

TBadLineMark LocateBadCharacter(const TPaneText& pane, int badLine, int errorPosition)
{
    // The line as the pane holds it, trailing tab and space included.
    const std::string_view line = pane.LineView(badLine);
    const size_t at = size_t(errorPosition <= 0 ? 1 : errorPosition) - 1;
    if (at >= line.size())
        return {pane.Find({}, 0, pane.Length(), true), 0};
    return {pane.Find(line.substr(at, 1), 0, pane.Length(), true), 1};
}
