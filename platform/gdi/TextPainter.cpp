#include "platform/gdi/detail/TextPainter.h"

#include <algorithm>

#include "platform/gdi/detail/FontEngine.h"
#include "platform/gdi/detail/Raster.h"

namespace gdi::detail {
namespace {

int LineThickness(const ScaledFont& font) { return std::max(1, font.height() / 16); }

}  // namespace

void PaintUnderline(Raster& raster, ScaledFont& font, int x0, int x1, int y, win::COLORREF colour) {
    // One row below the baseline, kept inside the cell.
    const int thickness = LineThickness(font);
    const int top = std::min(y + font.ascent() + 1, y + font.height() - thickness);
    raster.fill({x0, top, x1, top + thickness}, colour);
}

void PaintLine(Raster& raster, ScaledFont& font, int x, int y, std::u32string_view line, std::span<const int> offsets,
               win::COLORREF colour) {
    const int baseline = y + font.ascent();
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] < 0x20) {
            continue;
        }
        const Glyph& glyph = font.glyph(line[i]);
        const int left = x + offsets[i] + glyph.left;
        const int top = baseline - glyph.top;
        if (glyph.width > 0 && glyph.height > 0) {
            raster.blend(left, top, glyph.width, glyph.height, glyph.coverage.data(), colour);
        }
    }
    const int width = offsets.back();
    if (font.underline()) {
        PaintUnderline(raster, font, x, x + width, y, colour);
    }
    if (font.strikeOut()) {
        const int row = baseline - font.ascent() / 3;
        raster.fill({x, row, x + width, row + LineThickness(font)}, colour);
    }
}

}  // namespace gdi::detail
