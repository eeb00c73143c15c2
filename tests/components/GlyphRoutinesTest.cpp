// The glyph routines of the flat look: the exact pixels of the two marks, dimmed and greyed bitmaps equal to the
// colour function applied pixel by pixel, and glyph shadows.
#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "TestColors.h"

#include "platform/framework/graphics/Bitmap.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/gdi/LiveObjects.h"
#include "trackmill/components/ColorRoutines.h"
#include "trackmill/components/GlyphRoutines.h"

using framework::TBitmap;
using framework::TCanvas;
using framework::TColor;

namespace {

using Pixels = std::set<std::pair<int, int>>;

constexpr TColor kRed = Rgb(255, 0, 0);

// Every pixel of the bitmap that is not white.
Pixels Marked(TBitmap& bitmap) {
    Pixels marked;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Canvas().Pixel(x, y) != kWhite) marked.insert({x, y});
    return marked;
}

TEST(GlyphRoutinesTest, TheDropArrowIsATriangleOfFiveThreeAndOnePixels) {
    TBitmap target;
    target.SetSize(20, 20);
    target.Canvas().Pen().SetColor(kRed);
    components::DrawDropArrow(target.Canvas(), 6, 9);
    const Pixels expected = {{6, 9},  {7, 9},  {8, 9},  {9, 9}, {10, 9},  // five wide
                             {7, 10}, {8, 10}, {9, 10},                   // three
                             {8, 11}};                                    // the point
    EXPECT_EQ(Marked(target), expected);
    EXPECT_EQ(target.Canvas().Pixel(8, 11), kRed);
}

TEST(GlyphRoutinesTest, TheCheckMarkIsThreeStackedTicksEachOfSevenPixels) {
    TBitmap target;
    target.SetSize(20, 20);
    components::DrawCheckMark(target.Canvas(), 3, 14);
    // Each tick: down from (x+2, y-5-i) to (x+3, y-4-i), its lowest point (x+4, y-3-i), then up to (x+8, y-7-i).
    Pixels expected;
    for (int i = 0; i < 3; ++i) {
        const int base = 14 - i;
        for (const auto& [dx, dy] : {std::pair{2, -5}, {3, -4}, {4, -3}, {5, -4}, {6, -5}, {7, -6}, {8, -7}})
            expected.insert({3 + dx, base + dy});
    }
    ASSERT_EQ(expected.size(), 21u);
    EXPECT_EQ(Marked(target), expected);
}

// A 7 x 5 glyph of runs of a few colours, as menu images are, with a run broken by a single pixel.
void PaintGlyph(TBitmap& glyph) {
    glyph.SetSize(7, 5);
    TCanvas& c = glyph.Canvas();
    const TColor colours[] = {Rgb(0, 0, 0), Rgb(0, 0, 0),     Rgb(30, 200, 90), Rgb(30, 200, 90),
                              Rgb(0, 0, 0), Rgb(255, 0, 255), Rgb(255, 0, 255)};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) c.SetPixel(x, y, colours[(x + y) % 7]);
}

TEST(GlyphRoutinesTest, DimAndGrayEqualTheColourFunctionOnEveryPixel) {
    for (const int percent : {0, 30, 40, 100}) {
        TBitmap source;
        PaintGlyph(source);
        TBitmap dimmed;
        PaintGlyph(dimmed);
        components::DimBitmap(dimmed, percent);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                ASSERT_EQ(dimmed.Canvas().Pixel(x, y), components::LightenColor(source.Canvas().Pixel(x, y), percent))
                    << percent << "% at " << x << "," << y;
    }
    for (const int brightness : {0, 10, 200}) {
        TBitmap source;
        PaintGlyph(source);
        TBitmap grey;
        PaintGlyph(grey);
        components::GrayBitmap(grey, brightness);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                ASSERT_EQ(grey.Canvas().Pixel(x, y), components::GrayColor(source.Canvas().Pixel(x, y), brightness))
                    << brightness << " at " << x << "," << y;
    }
    // A black first pixel is converted too.
    TBitmap black;
    black.SetSize(2, 1);
    black.Canvas().SetPixel(0, 0, Rgb(0, 0, 0));
    black.Canvas().SetPixel(1, 0, Rgb(0, 0, 0));
    components::GrayBitmap(black, 10);
    EXPECT_EQ(black.Canvas().Pixel(0, 0), Rgb(10, 10, 10));
    EXPECT_EQ(black.Canvas().Pixel(1, 0), Rgb(10, 10, 10));
}

TEST(GlyphRoutinesTest, TheShadowSetsEveryPixelThatDiffersFromTheBottomLeftOne) {
    TBitmap glyph;
    glyph.SetSize(4, 3);  // white, the bottom-left pixel's colour
    glyph.Canvas().SetPixel(1, 0, Rgb(0, 0, 0));
    glyph.Canvas().SetPixel(3, 2, Rgb(9, 9, 9));
    glyph.Canvas().SetPixel(0, 1, Rgb(254, 255, 255));
    TBitmap target;
    target.SetSize(12, 12);
    components::DrawGlyphShadow(glyph, target.Canvas(), 5, 6, kRed);
    EXPECT_EQ(Marked(target), (Pixels{{6, 6}, {8, 8}, {5, 7}}));
    EXPECT_EQ(target.Canvas().Pixel(8, 8), kRed);

    // A glyph all of its transparent colour, and glyphs without pixels, draw nothing.
    TBitmap plain;
    plain.SetSize(5, 5);
    TBitmap flat;
    flat.SetSize(5, 0);
    TBitmap none;
    TBitmap untouched;
    untouched.SetSize(12, 12);
    const gdi::LiveObjects before = gdi::CountLiveObjects();
    components::DrawGlyphShadow(plain, untouched.Canvas(), 0, 0, kRed);
    components::DrawGlyphShadow(flat, untouched.Canvas(), 0, 0, kRed);
    components::DrawGlyphShadow(none, untouched.Canvas(), 0, 0, kRed);
    components::DimBitmap(none, 50);
    components::GrayBitmap(flat, 50);
    EXPECT_TRUE(Marked(untouched).empty());
    EXPECT_EQ(gdi::CountLiveObjects(), before);
}

}  // namespace
