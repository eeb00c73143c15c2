#pragma once
// Where a button's glyph and caption go: the glyph left, right, above or below the caption, the pair centred.
#include <string>

#include "platform/gdi/Types.h"

namespace framework {

class TBitmap;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct GlyphPlacement {
    win::RECT glyph{};
    win::RECT text{};
};

// Glyph of glyphWidth x glyphHeight and text of textWidth x textHeight in a client area of width x height;
// spacing counts only when there is a caption.
GlyphPlacement PlaceGlyph(int width, int height, int glyphWidth, int glyphHeight, int textWidth, int textHeight,
                          TButtonLayout layout, int spacing);
// Draws cell `cell` (0-based) of a glyph holding numGlyphs cells side by side, its bottom-left colour transparent.
void DrawGlyphCell(win::HDC dc, const TBitmap& glyph, int numGlyphs, int cell, int x, int y);

}  // namespace framework
