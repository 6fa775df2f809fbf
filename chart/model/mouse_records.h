#pragma once
// What a chart remembers of the mouse between events: the zoom and pan drags
// in progress, and the view from before the first zoom or pan.
#include <array>

struct TDragRecord {
    bool Active = false;
    int X0 = 0, Y0 = 0; // press position
    int X1 = 0, Y1 = 0; // current position
};

struct TAxisState {
    bool Automatic = true, AutomaticMinimum = true, AutomaticMaximum = true;
    double Minimum = 0, Maximum = 0;
};

// The four axes in panel order; ViewRestored until a zoom or pan saves them.
struct TAxisSnapshot {
    std::array<TAxisState, 4> Axes;
    bool ViewRestored = true;
};
