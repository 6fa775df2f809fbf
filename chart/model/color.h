#pragma once
// Colours are Windows colour values 0x00BBGGRR, as the window's layout gives
// them; only the painting code turns them into the platform's pixels.
#include <cstdint>

using TWindowsColor = uint32_t;

// Stored with a point, it means "use the series colour".
constexpr TWindowsColor DefaultPointColor = 0x20000000;

constexpr TWindowsColor RgbColor(int r, int g, int b)
{
    return TWindowsColor(r) | TWindowsColor(g) << 8 | TWindowsColor(b) << 16;
}
constexpr int RedOf(TWindowsColor c) { return int(c & 0xff); }
constexpr int GreenOf(TWindowsColor c) { return int(c >> 8 & 0xff); }
constexpr int BlueOf(TWindowsColor c) { return int(c >> 16 & 0xff); }

namespace Colors {
constexpr TWindowsColor Black = 0x000000;
constexpr TWindowsColor White = 0xffffff;
constexpr TWindowsColor Gray = 0x808080;
constexpr TWindowsColor Silver = 0xc0c0c0;
constexpr TWindowsColor Red = 0x0000ff;
constexpr TWindowsColor Blue = 0xff0000;
constexpr TWindowsColor Yellow = 0x00ffff;
constexpr TWindowsColor Lime = 0x00ff00;
constexpr TWindowsColor Aqua = 0xffff00;
constexpr TWindowsColor Green = 0x008000;
constexpr TWindowsColor Teal = 0x808000;
constexpr TWindowsColor Olive = 0x008080;
} // namespace Colors
