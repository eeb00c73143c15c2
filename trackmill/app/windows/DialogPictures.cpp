#include "trackmill/app/windows/DialogPictures.h"

#include "platform/framework/graphics/Bitmap.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/framework/graphics/Picture.h"
#include "platform/gdi/Types.h"
#include "trackmill/app/windows/PictureShapes.h"

using namespace framework;

namespace {

constexpr TColor Transparent = clFuchsia;

const TColor DiscFace = win::RGB(205, 215, 235);
const TColor DiscEdge = win::RGB(80, 90, 120);
const TColor Ink = win::RGB(40, 40, 60);
const TColor Wave = win::RGB(0, 90, 200);

// A compact disc: silver face, a ring of light, the hole.
void CompactDisc(TCanvas& c, int x, int y, int radius) {
    Disc(c, x, y, radius, DiscFace, DiscEdge);
    Disc(c, x, y, radius * 2 / 3, win::RGB(230, 236, 250), win::RGB(170, 180, 205));
    Disc(c, x, y, radius / 4 + 1, Transparent, DiscEdge);
}

// A wave from left to right around the middle line y, reaching height pixels to each side.
void SoundWave(TCanvas& c, int left, int right, int y, int height, TColor color) {
    static const int shape[] = {0, 3, 6, 8, 9, 8, 6, 3, 0, -3, -6, -8, -9, -8, -6, -3};
    for (int x = left; x < right; ++x) {
        const int offset = shape[(x - left) % 16] * height / 9;
        Box(c, x, y - offset, x + 1, y - offset + 2, color);
    }
}

TCanvas& Blank(TPicture& picture, int width, int height) {
    TBitmap& bitmap = picture.Bitmap();
    bitmap.SetSize(width, height);
    bitmap.SetTransparent(true);
    bitmap.SetTransparentColor(Transparent);
    Box(bitmap.Canvas(), 0, 0, width, height, Transparent);
    return bitmap.Canvas();
}

void Folder(TCanvas& c) {
    Box(c, 3, 7, 14, 11, win::RGB(215, 165, 40));
    Box(c, 3, 10, 29, 27, win::RGB(240, 195, 70));
    c.Pen().SetColor(win::RGB(150, 100, 20));
    c.Brush().SetColor(win::RGB(250, 215, 110));
    c.Rectangle(3, 13, 29, 27);
    Box(c, 18, 17, 26, 19, win::RGB(0, 140, 0));
    for (int i = 0; i < 4; ++i) Box(c, 23 + i, 14 + i, 24 + i, 22 - i, win::RGB(0, 140, 0));
}

void NoteOverWave(TCanvas& c) {
    SoundWave(c, 1, 31, 24, 5, Wave);
    Box(c, 17, 2, 19, 16, Ink);
    Box(c, 19, 2, 25, 5, Ink);
    Disc(c, 15, 16, 3, Ink, Ink);
}

void DiscInDrive(TCanvas& c) {
    c.Pen().SetColor(win::RGB(90, 90, 100));
    c.Brush().SetColor(win::RGB(190, 190, 200));
    c.Rectangle(1, 20, 31, 30);
    Box(c, 4, 24, 20, 26, win::RGB(60, 60, 70));
    Box(c, 25, 24, 28, 26, win::RGB(0, 190, 0));
    CompactDisc(c, 16, 11, 10);
}

}  // namespace

void DrawOptionsTabPicture(TPicture& picture, OptionsTabPicture tab) {
    TCanvas& c = Blank(picture, 32, 32);
    switch (tab) {
        case OptionsTabPicture::Output:
            Folder(c);
            break;
        case OptionsTabPicture::Mp3:
            NoteOverWave(c);
            break;
        case OptionsTabPicture::Drive:
            DiscInDrive(c);
            break;
    }
}

void DrawStartButtonPicture(TPicture& picture) {
    TCanvas& c = Blank(picture, 18, 18);
    CompactDisc(c, 8, 8, 8);
    Disc(c, 13, 13, 4, win::RGB(220, 0, 0), win::RGB(140, 0, 0));
}

void DrawAboutPicture(TPicture& picture) {
    TCanvas& c = Blank(picture, 73, 49);
    CompactDisc(c, 22, 24, 21);
    SoundWave(c, 44, 73, 24, 9, Wave);
    SoundWave(c, 48, 73, 24, 5, win::RGB(220, 60, 0));
}
