#pragma once
// The glyphs of the compression window's three list buttons, drawn in code: 16 by 16 pixels, their bottom-left
// pixel's colour left transparent.

namespace framework {
class TBitmap;
}

enum class ListButtonGlyph { Add, Delete, Clear };

void DrawListButtonGlyph(framework::TBitmap& glyph, ListButtonGlyph kind);
