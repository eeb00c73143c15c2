#include "platform/framework/controls/ButtonGlyph.h"

#include <algorithm>

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

GlyphPlacement TButtonGlyph::PlaceGlyphAndText(int width, int height, int textWidth, int textHeight) const {
    const int cells = std::max(1, numGlyphs_);
    const int glyphWidth = glyph_.Empty() ? 0 : glyph_.Width() / cells;
    const int glyphHeight = glyph_.Empty() ? 0 : glyph_.Height();
    return PlaceGlyph(width, height, glyphWidth, glyphHeight, textWidth, textHeight, layout_, spacing_);
}

}  // namespace framework
