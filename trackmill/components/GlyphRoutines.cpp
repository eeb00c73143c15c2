#include "trackmill/components/GlyphRoutines.h"

#include "platform/framework/graphics/Bitmap.h"
#include "platform/framework/graphics/Canvas.h"
#include "trackmill/components/ColorRoutines.h"

namespace components {

namespace {

// Glyphs repeat few colours in long runs: the last conversion is reused while the source colour repeats.
template <class Convert>
void ConvertPixels(framework::TBitmap& bitmap, Convert convert) {
    if (bitmap.Empty()) return;
    framework::TCanvas& canvas = bitmap.Canvas();
    TColor lastSource = 0;
    TColor lastResult = 0;
    bool first = true;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColor source = canvas.Pixel(x, y);
            if (first || source != lastSource) {
                lastSource = source;
                lastResult = convert(source);
                first = false;
            }
            canvas.SetPixel(x, y, lastResult);
        }
    }
}

}  // namespace

void GrayBitmap(framework::TBitmap& bitmap, int brightness) {
    ConvertPixels(bitmap, [brightness](TColor c) { return GrayColor(c, brightness); });
}

void DimBitmap(framework::TBitmap& bitmap, int percent) {
    ConvertPixels(bitmap, [percent](TColor c) { return LightenColor(c, percent); });
}

void DrawGlyphShadow(framework::TBitmap& glyph, framework::TCanvas& canvas, int x, int y, framework::TColor color) {
    if (glyph.Empty()) return;
    framework::TCanvas& pixels = glyph.Canvas();
    const TColor transparent = pixels.Pixel(0, glyph.Height() - 1);
    for (int i = 0; i < glyph.Height(); ++i)
        for (int j = 0; j < glyph.Width(); ++j)
            if (pixels.Pixel(j, i) != transparent) canvas.SetPixel(x + j, y + i, color);
}

void DrawDropArrow(framework::TCanvas& canvas, int x, int y) {
    canvas.MoveTo(x, y);
    canvas.LineTo(x + 5, y);
    canvas.MoveTo(x + 1, y + 1);
    canvas.LineTo(x + 4, y + 1);
    canvas.MoveTo(x + 2, y + 2);
    canvas.LineTo(x + 3, y + 2);
}

void DrawCheckMark(framework::TCanvas& canvas, int x, int y) {
    for (int i = 0; i < 3; ++i) {
        canvas.MoveTo(x + 2, y - 5 - i);
        canvas.LineTo(x + 4, y - 3 - i);
        canvas.LineTo(x + 9, y - 8 - i);
    }
}

}  // namespace components
