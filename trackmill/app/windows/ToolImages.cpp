#include "trackmill/app/windows/ToolImages.h"

#include "platform/framework/graphics/Bitmap.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/framework/graphics/ImageList.h"
#include "platform/gdi/Types.h"
#include "trackmill/app/windows/PictureShapes.h"

using namespace framework;

namespace {

constexpr int Size = 16;
constexpr TColor Transparent = clFuchsia;

// A compact disc with its hole, and an arrow pointing out of it.
void Extract(TCanvas& c, int x) {
    Disc(c, x + 7, 7, 6, win::RGB(200, 210, 230), win::RGB(90, 100, 130));
    Disc(c, x + 7, 7, 2, Transparent, win::RGB(90, 100, 130));
    Box(c, x + 11, 9, x + 13, 13, win::RGB(0, 140, 0));
    for (int i = 0; i < 3; ++i) Box(c, x + 9 + i, 13 + i, x + 15 - i, 14 + i, win::RGB(0, 140, 0));
}

// A wave turning into a note.
void Encode(TCanvas& c, int x) {
    const int wave[] = {8, 5, 3, 5, 8, 11, 13};
    for (int i = 0; i < 7; ++i) Box(c, x + i, wave[i], x + 1 + i, wave[i] + 2, win::RGB(0, 90, 200));
    Box(c, x + 12, 1, x + 13, 12, win::RGB(40, 40, 40));
    Box(c, x + 13, 1, x + 16, 3, win::RGB(40, 40, 40));
    Disc(c, x + 11, 12, 2, win::RGB(40, 40, 40), win::RGB(40, 40, 40));
}

// A speech bubble.
void Compress(TCanvas& c, int x) {
    c.Brush().SetColor(win::RGB(255, 240, 170));
    c.Pen().SetColor(win::RGB(150, 110, 20));
    c.RoundRect(x, 1, x + 16, 12, 4, 4);
    for (int i = 0; i < 3; ++i) Box(c, x + 4 + i, 11 + i, x + 6, 12 + i, win::RGB(150, 110, 20));
    for (int row = 4; row <= 8; row += 2) Box(c, x + 3, row, x + 13, row + 1, win::RGB(150, 110, 20));
}

// A microphone with a red dot.
void Record(TCanvas& c, int x) {
    c.Brush().SetColor(win::RGB(120, 120, 130));
    c.Pen().SetColor(win::RGB(60, 60, 70));
    c.RoundRect(x + 4, 0, x + 10, 10, 6, 6);
    Box(c, x + 6, 10, x + 8, 14, win::RGB(60, 60, 70));
    Box(c, x + 3, 14, x + 11, 16, win::RGB(60, 60, 70));
    Disc(c, x + 13, 12, 3, win::RGB(220, 0, 0), win::RGB(150, 0, 0));
}

// Three sliders.
void Options(TCanvas& c, int x) {
    const int knobs[] = {3, 9, 5};
    for (int i = 0; i < 3; ++i) {
        const int row = 3 + i * 5;
        Box(c, x + 1, row, x + 15, row + 1, win::RGB(90, 90, 90));
        Box(c, x + knobs[i], row - 2, x + knobs[i] + 3, row + 3, win::RGB(0, 110, 190));
    }
}

// A door with an arrow leaving it.
void Exit(TCanvas& c, int x) {
    Box(c, x + 1, 1, x + 9, 15, win::RGB(150, 90, 40));
    Box(c, x + 6, 7, x + 8, 9, win::RGB(250, 220, 60));
    Box(c, x + 9, 7, x + 13, 9, win::RGB(200, 0, 0));
    for (int i = 0; i < 3; ++i) Box(c, x + 12 + i, 5 + i, x + 13 + i, 11 - i, win::RGB(200, 0, 0));
}

}  // namespace

void DrawToolImages(TImageList& images) {
    images.SetSize(Size, Size);
    TBitmap strip;
    strip.SetSize(Size * ToolImageCount, Size);
    TCanvas& c = strip.Canvas();
    Box(c, 0, 0, Size * ToolImageCount, Size, Transparent);
    Extract(c, Size * ToolImageExtract);
    Encode(c, Size * ToolImageEncode);
    Compress(c, Size * ToolImageCompress);
    Record(c, Size * ToolImageRecord);
    Options(c, Size * ToolImageOptions);
    Exit(c, Size * ToolImageExit);
    images.AddMasked(strip, Transparent);
}
