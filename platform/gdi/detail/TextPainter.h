#pragma once
// Putting a laid-out line of text on a raster.
#include <span>
#include <string_view>

#include "platform/gdi/Types.h"

namespace gdi::detail {

class Raster;
class ScaledFont;

// (x, y) is the top-left of the line's cell; offsets come from CharacterOffsets. Draws the font's own
// underline and strike-out too.
void PaintLine(Raster& raster, ScaledFont& font, int x, int y, std::u32string_view line, std::span<const int> offsets,
               win::COLORREF colour);
// The underline below the characters between two pen positions.
void PaintUnderline(Raster& raster, ScaledFont& font, int x0, int x1, int y, win::COLORREF colour);

}  // namespace gdi::detail
