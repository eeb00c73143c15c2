#pragma once
// Colours derived from colours. Every argument may name a system colour (0xFF0000nn), which is resolved to RGB
// first; results are plain RGB values.
#include <span>

#include "platform/framework/graphics/Colors.h"

namespace components {

using framework::TColor;

// RGB(R - n, G - n + 2, B - n), each channel clamped to 0..255: green is lowered two less than red and blue.
TColor DarkenColor(TColor color, int amount);
// Each channel c becomes c + round((255 - c) * p / 100), halves to even, with p capped at 100 (and at 0).
TColor LightenColor(TColor color, int percent);
// RGB(v, v, v) with v = (R + G + B) div 3 + n, capped at 240 (and at 0).
TColor GrayColor(TColor color, int brightness);
// Each channel is the sum over the list of (channel div number of colours); black for an empty list.
TColor MixColors(std::span<const TColor> colors);

}  // namespace components
