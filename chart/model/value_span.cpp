#include "chart/model/value_span.h"

void TValueSpan::CopyTo(int from, int count, double* out) const
{
    if (doubles_) {
        for (int i = 0; i < count; ++i)
            out[i] = doubles_[from + i];
    } else if (wholes_) {
        for (int i = 0; i < count; ++i)
            out[i] = double(wholes_[from + i]);
    } else {
        for (int i = 0; i < count; ++i)
            out[i] = double(from + i);
    }
}
