#include "platform/framework/controls/GlyphLayout.h"

#include <algorithm>

#include "platform/framework/graphics/Bitmap.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/gdi/Drawing.h"

namespace framework {

GlyphPlacement PlaceGlyph(int width, int height, int gw, int gh, int tw, int th, TButtonLayout layout, int spacing) {
    const int s = tw > 0 ? spacing : 0;
    GlyphPlacement p;
    switch (layout) {
        case blGlyphLeft:
        case blGlyphRight: {
            const int total = gw + s + tw;
            const int left = (width - total) / 2;
            const int glyphLeft = layout == blGlyphLeft ? left : left + tw + s;
            const int textLeft = layout == blGlyphLeft ? left + gw + s : left;
            p.glyph = win::RECT{glyphLeft, (height - gh) / 2, glyphLeft + gw, (height - gh) / 2 + gh};
            p.text = win::RECT{textLeft, (height - th) / 2, textLeft + tw, (height - th) / 2 + th};
            break;
        }
        case blGlyphTop:
        case blGlyphBottom: {
            const int total = gh + s + th;
            const int top = (height - total) / 2;
            const int glyphTop = layout == blGlyphTop ? top : top + th + s;
            const int textTop = layout == blGlyphTop ? top + gh + s : top;
            p.glyph = win::RECT{(width - gw) / 2, glyphTop, (width - gw) / 2 + gw, glyphTop + gh};
            p.text = win::RECT{(width - tw) / 2, textTop, (width - tw) / 2 + tw, textTop + th};
            break;
        }
    }
    return p;
}

void DrawGlyphCell(win::HDC dc, const TBitmap& glyph, int numGlyphs, int cell, int x, int y) {
    if (glyph.Empty()) return;
    const int cells = std::max(1, numGlyphs);
    const int cellWidth = glyph.Width() / cells;
    const int source = std::clamp(cell, 0, cells - 1) * cellWidth;
    const win::COLORREF key = win::GetPixel(const_cast<TBitmap&>(glyph).Canvas().Handle(), 0, glyph.Height() - 1);
    const win::HDC from = const_cast<TBitmap&>(glyph).Canvas().Handle();
    for (int py = 0; py < glyph.Height(); ++py)
        for (int px = 0; px < cellWidth; ++px) {
            const win::COLORREF c = win::GetPixel(from, source + px, py);
            if (c != key) win::SetPixel(dc, x + px, y + py, c);
        }
}

}  // namespace framework
