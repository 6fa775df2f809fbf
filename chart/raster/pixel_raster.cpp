#include "chart/raster/pixel_raster.h"

TMarkerShape MakeMarkerShape(bool circle, int h, int v, int rim)
{
    TMarkerShape shape;
    shape.OffsetX = -h;
    shape.OffsetY = -v;
    const int w = circle ? 2 * h : 2 * h + rim;
    const int ht = circle ? 2 * v : 2 * v + rim;
    if (w <= 0 || ht <= 0)
        return shape;
    shape.Width = w;
    shape.Height = ht;
    std::vector<char> in(size_t(w * ht), 0);
    auto inside = [&](int i, int j) { return i >= 0 && j >= 0 && i < w && j < ht && in[size_t(j * w + i)]; };
    auto onRim = [&](int i, int j) {
        for (int k = 1; k <= rim; ++k)
            if (!inside(i - k, j) || !inside(i + k, j) || !inside(i, j - k) || !inside(i, j + k))
                return true;
        return false;
    };
    for (int j = 0; j < ht; ++j)
        for (int i = 0; i < w; ++i) {
            if (!circle) {
                in[size_t(j * w + i)] = 1;
                continue;
            }
            // Centre of pixel (i, j) relative to the ellipse centre, scaled by 2
            // to stay in integers: (2i + 1 - w)^2 / w^2 + (2j + 1 - ht)^2 / ht^2 <= 1.
            const long long a = 2LL * i + 1 - w, b = 2LL * j + 1 - ht;
            in[size_t(j * w + i)] = a * a * ht * ht + b * b * w * w <= 1LL * w * w * ht * ht;
        }
    for (int i = 0; i < w; ++i) {
        int j = 0;
        while (j < ht) {
            if (!inside(i, j)) {
                ++j;
                continue;
            }
            const bool edge = onRim(i, j);
            int k = j;
            while (k + 1 < ht && inside(i, k + 1)) {
                const int q = k + 1;
                const bool r = onRim(i, q);
                if (r != edge)
                    break;
                ++k;
            }
            shape.Runs.push_back({i, j, k, edge});
            j = k + 1;
        }
    }
    return shape;
}

bool HiddenBetweenRows(const TMarkerShape& shape)
{
    if (shape.Width <= 0 || shape.Height <= 0)
        return false;
    std::vector<uint8_t> in(size_t(shape.Width) * size_t(shape.Height + 2), 0);
    // Column dx, row dy at in[dx * (Height + 2) + dy + 1]: a free row above and below.
    const auto at = [&](int dx, int dy) -> uint8_t& {
        return in[size_t(dx) * size_t(shape.Height + 2) + size_t(dy + 1)];
    };
    for (const TMarkerRun& r : shape.Runs)
        for (int dy = r.Dy0; dy <= r.Dy1; ++dy)
            at(r.Dx, dy) = 1;
    for (const TMarkerRun& r : shape.Runs)
        for (int dy = r.Dy0; dy <= r.Dy1; ++dy)
            if (!at(r.Dx, dy - 1) && !at(r.Dx, dy + 1))
                return false;
    return true;
}
