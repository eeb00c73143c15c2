#pragma once
// Glyph bitmaps reworked pixel by pixel, and the small marks the flat look draws with the canvas's current pen
// (a line includes its start point and excludes its end point).
#include "platform/framework/graphics/Colors.h"

namespace framework {
class TBitmap;
class TCanvas;
}  // namespace framework

namespace components {

// Every pixel colour c becomes GrayColor(c, brightness).
void GrayBitmap(framework::TBitmap& bitmap, int brightness);
// Every pixel colour c becomes LightenColor(c, percent).
void DimBitmap(framework::TBitmap& bitmap, int percent);
// Every glyph pixel (j, i) whose colour differs from the glyph's bottom-left pixel sets the canvas pixel
// (x + j, y + i) to color. An empty glyph draws nothing.
void DrawGlyphShadow(framework::TBitmap& glyph, framework::TCanvas& canvas, int x, int y, framework::TColor color);
// A downward triangle five pixels wide and three high, its top-left corner at (x, y).
void DrawDropArrow(framework::TCanvas& canvas, int x, int y);
// A tick three pixels thick whose lowest point is (x + 4, y - 3).
void DrawCheckMark(framework::TCanvas& canvas, int x, int y);

}  // namespace components
