#pragma once
// What the window's parameter boxes take from their text. Each gives nothing
// for a text the window replaces by the box's fallback: the window supplies
// that, the batch command refuses the text.
#include <cstdint>
#include <optional>
#include <string_view>

// An integer box (ADC scales, autocorrelation start and width): the text's
// whole number (ParseInteger), any value.
std::optional<int32_t> BoxIntegerValue(std::string_view text);

// The harmonic count: a whole number of at least 1.
std::optional<int32_t> HarmonicCountValue(std::string_view text);
inline constexpr int32_t kDefaultHarmonics = 32;
