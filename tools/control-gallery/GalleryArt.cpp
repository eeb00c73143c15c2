#include "GalleryArt.h"

#include "platform/framework/graphics/Bitmap.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/framework/graphics/ImageList.h"

using namespace framework;

namespace {

void Fill(TCanvas& canvas, int left, int top, int right, int bottom, TColor color) {
    canvas.Brush().SetColor(color);
    canvas.FillRect(win::RECT{left, top, right, bottom});
}

}  // namespace

void AddToolImages(TImageList& images) {
    images.SetSize(16, 16);
    TBitmap strip;
    strip.SetSize(64, 16);
    TCanvas& c = strip.Canvas();
    Fill(c, 0, 0, 64, 16, clFuchsia);
    // Open: a yellow folder.
    Fill(c, 1, 4, 8, 6, 0x00C0FF);
    Fill(c, 1, 6, 15, 14, 0x00D0FF);
    c.Brush().SetStyle(bsClear);
    c.Pen().SetColor(0x004080);
    c.Rectangle(1, 5, 15, 14);
    c.Brush().SetStyle(bsSolid);
    // Save: a blue disk with a white label.
    Fill(c, 17, 1, 31, 15, 0x804000);
    Fill(c, 19, 2, 29, 7, clWhite);
    Fill(c, 20, 10, 28, 15, clSilver);
    // Play: a green triangle.
    for (int i = 0; i < 6; ++i) Fill(c, 37 + i, 2 + i, 38 + i, 14 - i, 0x00A000);
    // Stop: a red square.
    Fill(c, 51, 3, 61, 13, 0x0000C0);
    images.AddMasked(strip, clFuchsia);
}

void DrawPlayGlyph(TBitmap& glyph) {
    glyph.SetSize(16, 16);
    TCanvas& c = glyph.Canvas();
    Fill(c, 0, 0, 16, 16, clFuchsia);
    for (int i = 0; i < 6; ++i) Fill(c, 4 + i, 2 + i, 5 + i, 14 - i, 0x00A000);
}

void DrawLandscape(TBitmap& picture, int width, int height) {
    picture.SetSize(width, height);
    TCanvas& c = picture.Canvas();
    for (int y = 0; y < height; ++y) Fill(c, 0, y, width, y + 1, win::RGB(120 + y, 170 + y / 2, 255));
    c.Brush().SetColor(0x00E0FF);
    c.Pen().SetColor(0x00C0FF);
    c.Ellipse(width - 30, 6, width - 10, 26);
    c.Brush().SetColor(0x208020);
    c.Pen().SetColor(0x208020);
    c.Ellipse(-20, height / 2, width / 2 + 20, height + 30);
    c.Brush().SetColor(0x30A030);
    c.Pen().SetColor(0x30A030);
    c.Ellipse(width / 3, height / 2 + 10, width + 30, height + 40);
}
