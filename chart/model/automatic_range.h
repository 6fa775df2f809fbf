#pragma once
// The automatic ends of every axis take the range of the series bound to it
// (their cached statistics). A paint does this first; the ends it writes stay
// in the axes, so switching Automatic off freezes the range last drawn.
class TAxisPanel;

void RefreshAutomaticRanges(TAxisPanel& panel);
