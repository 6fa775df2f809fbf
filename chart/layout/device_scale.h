#pragma once
// Device pixels per logical pixel of the screen a chart is shown on. The
// layout and the renderers work in device pixels; every logical metric (pen
// widths, tick lengths, fixed band sizes, font and marker sizes, mouse
// tolerances) goes through Of on its way there.
#include <cmath>

struct TDeviceScale {
    double Ratio = 1;

    // A logical length in device pixels, rounded to the nearest; a length that
    // was there never shrinks to nothing on a fractional ratio below 1.
    int Of(int logical) const
    {
        if (Ratio == 1)
            return logical;
        const int device = int(std::lround(logical * Ratio));
        return logical > 0 && device < 1 ? 1 : device;
    }
};
