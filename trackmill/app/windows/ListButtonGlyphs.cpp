#include "trackmill/app/windows/ListButtonGlyphs.h"

#include "platform/framework/graphics/Bitmap.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/gdi/Types.h"
#include "trackmill/app/windows/PictureShapes.h"

using namespace framework;

namespace {

constexpr int Size = 16;
constexpr TColor Transparent = clFuchsia;

// A page with a green plus over its corner.
void Add(TCanvas& c) {
    Box(c, 2, 1, 11, 15, win::RGB(90, 100, 120));
    Box(c, 3, 2, 10, 14, win::RGB(255, 255, 255));
    for (int row = 4; row <= 10; row += 3) Box(c, 4, row, 9, row + 1, win::RGB(60, 120, 210));
    const TColor green = win::RGB(0, 150, 40);
    Box(c, 11, 6, 13, 15, green);
    Box(c, 8, 9, 16, 11, green);
}

// A red cross.
void Delete(TCanvas& c) {
    const TColor red = win::RGB(210, 30, 30);
    for (int i = 0; i < 11; ++i) {
        Box(c, 2 + i, 2 + i, 5 + i, 4 + i, red);
        Box(c, 11 - i, 2 + i, 14 - i, 4 + i, red);
    }
}

// A broom: a handle and its bristles.
void Clear(TCanvas& c) {
    const TColor wood = win::RGB(150, 95, 40);
    for (int i = 0; i < 8; ++i) Box(c, 12 - i, 1 + i, 14 - i, 2 + i, wood);
    const TColor straw = win::RGB(230, 180, 40);
    for (int i = 0; i < 6; ++i) Box(c, 1 + i / 2, 9 + i, 9 - i / 3, 10 + i, straw);
    Box(c, 3, 9, 8, 10, win::RGB(170, 40, 40));
}

}  // namespace

void DrawListButtonGlyph(TBitmap& glyph, ListButtonGlyph kind) {
    glyph.SetSize(Size, Size);
    TCanvas& c = glyph.Canvas();
    Box(c, 0, 0, Size, Size, Transparent);
    switch (kind) {
        case ListButtonGlyph::Add:
            Add(c);
            break;
        case ListButtonGlyph::Delete:
            Delete(c);
            break;
        case ListButtonGlyph::Clear:
            Clear(c);
            break;
    }
}
