#pragma once
// Colours written as red, green and blue, for readable expectations.
#include "platform/framework/graphics/Colors.h"

constexpr framework::TColor Rgb(int r, int g, int b) {
    return static_cast<framework::TColor>(r) | (static_cast<framework::TColor>(g) << 8) |
           (static_cast<framework::TColor>(b) << 16);
}

inline constexpr framework::TColor kWhite = Rgb(255, 255, 255);
inline constexpr framework::TColor kBlack = Rgb(0, 0, 0);
