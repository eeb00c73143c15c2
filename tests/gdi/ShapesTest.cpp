// The shapes every look draws with, and palettes: the colours of a look by system colour index.
#include <gtest/gtest.h>

#include "TestCanvas.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/LiveObjects.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palette.h"
#include "platform/gdi/Shapes.h"

namespace {

using namespace win;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

TEST(Bevel, TheTopLeftColourOwnsTheTopLeftCornerAndTheOtherTwoCornersGoToTheBottomRight) {
    TestCanvas canvas(12, 12);
    RECT r{2, 3, 9, 10};
    gdi::Bevel(canvas.dc(), r, kRed, kBlue);
    EXPECT_EQ(canvas.at(2, 3), kRed);
    EXPECT_EQ(canvas.at(7, 3), kRed);
    EXPECT_EQ(canvas.at(8, 3), kBlue) << "top-right corner";
    EXPECT_EQ(canvas.at(2, 8), kRed);
    EXPECT_EQ(canvas.at(2, 9), kBlue) << "bottom-left corner";
    EXPECT_EQ(canvas.at(8, 9), kBlue);
    EXPECT_EQ(canvas.at(5, 6), kWhite) << "a ring, not a fill";
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 12, 12), 2 * 7 + 2 * 5);
    EXPECT_EQ(r.left, 3);
    EXPECT_EQ(r.top, 4);
    EXPECT_EQ(r.right, 8);
    EXPECT_EQ(r.bottom, 9);
}

TEST(Bevel, SeveralRingsShrinkUntilNothingIsLeft) {
    TestCanvas canvas(10, 10);
    RECT r{0, 0, 5, 4};
    gdi::Bevel(canvas.dc(), r, kRed, kRed, 5);
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 10, 10), 5 * 4) << "two rings fill a 5 by 4 rectangle";
    EXPECT_EQ(r.right - r.left, 1);
    EXPECT_EQ(r.bottom - r.top, 0) << "shrinking stops at the empty rectangle";
}

TEST(DottedFrame, EverySecondPixelOfTheOutline) {
    TestCanvas canvas(10, 10);
    gdi::DottedFrame(canvas.dc(), RECT{1, 1, 8, 6}, kRed);
    EXPECT_EQ(canvas.at(1, 1), kRed);
    EXPECT_EQ(canvas.at(2, 1), kWhite);
    EXPECT_EQ(canvas.at(3, 1), kRed);
    EXPECT_EQ(canvas.at(7, 3), kRed);
    EXPECT_EQ(canvas.at(7, 4), kWhite);
    EXPECT_EQ(canvas.at(4, 3), kWhite);
}

TEST(Shapes, LeaveTheDcsObjectsSelectedAndFreeTheirOwn) {
    TestCanvas canvas(20, 20);
    const HPEN pen = CreatePen(PS_SOLID, 1, kBlue);
    const HGDIOBJ original = SelectObject(canvas.dc(), pen);
    const gdi::LiveObjects before = gdi::CountLiveObjects();
    RECT r{0, 0, 20, 20};
    gdi::FillSolid(canvas.dc(), RECT{1, 1, 4, 4}, kRed);
    gdi::Line(canvas.dc(), 0, 10, 10, 10, kRed);
    gdi::Bevel(canvas.dc(), r, kRed, kBlue, 2);
    gdi::OutlinedEllipse(canvas.dc(), RECT{5, 5, 15, 15}, kRed, kBlue);
    gdi::OutlinedEllipse(canvas.dc(), RECT{5, 5, 15, 15}, kRed, std::nullopt);
    EXPECT_EQ(gdi::CountLiveObjects(), before);
    EXPECT_EQ(SelectObject(canvas.dc(), original), static_cast<HGDIOBJ>(pen));
    DeleteObject(pen);
}

TEST(OutlinedEllipse, WithoutAFillTheInsideIsLeftAlone) {
    TestCanvas canvas(20, 20);
    gdi::OutlinedEllipse(canvas.dc(), RECT{2, 2, 18, 18}, kRed, std::nullopt);
    EXPECT_EQ(canvas.at(10, 10), kWhite);
    EXPECT_EQ(canvas.at(2, 10), kRed);
    gdi::OutlinedEllipse(canvas.dc(), RECT{2, 2, 18, 18}, kRed, kBlue);
    EXPECT_EQ(canvas.at(10, 10), kBlue);
    EXPECT_EQ(canvas.at(2, 10), kRed);
}

TEST(Palette, TheSystemPaletteIsTheColourTableWhenItIsTaken) {
    gdi::SetSysColor(COLOR_BTNFACE, RGB(1, 2, 3));
    const gdi::Palette before = gdi::Palette::System();
    gdi::SetSysColor(COLOR_BTNFACE, RGB(4, 5, 6));
    EXPECT_EQ(before[COLOR_BTNFACE], RGB(1, 2, 3));
    EXPECT_EQ(gdi::Palette::System()[COLOR_BTNFACE], RGB(4, 5, 6));
    gdi::ResetSysColors();
    EXPECT_EQ(gdi::Palette::System()[COLOR_HIGHLIGHT], GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(before[-1], 0u);
    EXPECT_EQ(before[gdi::kSysColorCount], 0u);
}

TEST(Palette, EntriesHoldPlainColoursEvenWhenSetFromASystemColour) {
    gdi::Palette palette = gdi::Palette::System();
    palette.Set(COLOR_MENU, 0xFF000000u | COLOR_HIGHLIGHT).Set(COLOR_WINDOW, kRed).Set(99, kBlue);
    EXPECT_EQ(palette[COLOR_MENU], GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(palette[COLOR_WINDOW], kRed);
    EXPECT_EQ(palette[99], 0u);
}

}  // namespace
