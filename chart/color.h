#pragma once
// Colours are Windows colour values 0x00BBGGRR, as the window's layout gives
// them; only the painting code turns them into the platform's pixels.
#include <cstdint>

using TColor = uint32_t;

// Stored with a point, it means "use the series colour".
constexpr TColor DefaultPointColor = 0x20000000;

constexpr TColor RgbColor(int r, int g, int b) { return TColor(r) | TColor(g) << 8 | TColor(b) << 16; }
constexpr int RedOf(TColor c) { return int(c & 0xff); }
constexpr int GreenOf(TColor c) { return int(c >> 8 & 0xff); }
constexpr int BlueOf(TColor c) { return int(c >> 16 & 0xff); }

namespace Colors {
constexpr TColor Black = 0x000000;
constexpr TColor White = 0xffffff;
constexpr TColor Gray = 0x808080;
constexpr TColor Silver = 0xc0c0c0;
constexpr TColor Red = 0x0000ff;
constexpr TColor Blue = 0xff0000;
constexpr TColor Yellow = 0x00ffff;
constexpr TColor Lime = 0x00ff00;
constexpr TColor Aqua = 0xffff00;
constexpr TColor Green = 0x008000;
constexpr TColor Teal = 0x808000;
constexpr TColor Olive = 0x008080;
} // namespace Colors
