#pragma once
// The test data generator's samples: a sine, a cosine whose amplitude falls
// linearly to zero over the record, and a small random offset.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

inline constexpr int kTestSampleCount = 2000;
// Each sample's random offset is RandomBelow(kTestNoiseRange) / 10 / 2.
inline constexpr int32_t kTestNoiseRange = 10;

// Sample i (1-based) for a random draw 0..9, evaluated in extended precision in
// the generator's order and stored to 64 bits:
//   s = sin(i/20) + draw/10/2;  k = cos(i/100 + 2);  g = (2000 - i)/2000 * 2;
//   value = k * g + s.
double TestSampleValue(int i, int32_t draw);

// The text of that sample's line: "0.000" pattern, locale decimal separator.
std::string TestSampleLine(int i, int32_t draw);

// Draws RandomBelow(kTestNoiseRange) for i = 1 .. kTestSampleCount from the
// generator's current state (the caller seeds it) and hands each sample's line
// to appendLine, in order.
void GenerateTestLines(const std::function<void(std::string_view line)>& appendLine);
