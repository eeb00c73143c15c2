#include "platform/framework/controls/ButtonGlyph.h"

#include <algorithm>

#include "platform/framework/MulDiv.h"
#include "platform/framework/graphics/ScaledBitmap.h"
#include "platform/gdi/SysColors.h"

namespace framework {

void TButtonGlyph::SetNumGlyphs(int count) {
    numGlyphs_ = std::clamp(count, 1, 4);
    GlyphChanged();
}

void TButtonGlyph::SetLayout(TButtonLayout layout) {
    layout_ = layout;
    GlyphChanged();
}

void TButtonGlyph::SetSpacing(int spacing) {
    spacing_ = spacing;
    GlyphChanged();
}

void TButtonGlyph::ScaleGlyph(int multiplier, int divisor) {
    if (!glyph_.Empty())
        ScaleBitmapCells(glyph_, std::max(1, numGlyphs_), multiplier, divisor,
                         gdi::ResolveColor(glyph_.TransparentColor()));
    spacing_ = MulDiv(spacing_, multiplier, divisor);
    GlyphChanged();
}

GlyphPlacement TButtonGlyph::PlaceGlyphAndText(int width, int height, int textWidth, int textHeight) const {
    const int cells = std::max(1, numGlyphs_);
    const int glyphWidth = glyph_.Empty() ? 0 : glyph_.Width() / cells;
    const int glyphHeight = glyph_.Empty() ? 0 : glyph_.Height();
    return PlaceGlyph(width, height, glyphWidth, glyphHeight, textWidth, textHeight, layout_, spacing_);
}

}  // namespace framework
