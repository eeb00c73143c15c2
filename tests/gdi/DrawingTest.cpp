#include <gtest/gtest.h>

#include <memory>

#include "TestCanvas.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/SysColors.h"

namespace {

using namespace win;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 128, 0);

// Selects a pen and a brush for one test and deletes them afterwards.
class Tools {
  public:
    Tools(HDC dc, HPEN pen, HBRUSH brush)
        : dc_(dc), pen_(pen), brush_(brush), oldPen_(SelectObject(dc, pen)), oldBrush_(SelectObject(dc, brush)) {}
    ~Tools() {
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBrush_);
        DeleteObject(pen_);
        DeleteObject(brush_);
    }

  private:
    HDC dc_;
    HPEN pen_;
    HBRUSH brush_;
    HGDIOBJ oldPen_;
    HGDIOBJ oldBrush_;
};

TEST(LineTo, HorizontalAndVerticalLinesStopBeforeTheEndPoint) {
    TestCanvas canvas(20, 20);
    Tools tools(canvas.dc(), CreatePen(PS_SOLID, 1, kRed), CreateSolidBrush(kBlue));
    MoveToEx(canvas.dc(), 2, 5, nullptr);
    ASSERT_TRUE(LineTo(canvas.dc(), 10, 5));
    for (int x = 2; x < 10; ++x) {
        EXPECT_EQ(canvas.at(x, 5), kRed) << x;
    }
    EXPECT_EQ(canvas.at(1, 5), kWhite);
    EXPECT_EQ(canvas.at(10, 5), kWhite);
    // The end point became the current position: the next line starts there.
    ASSERT_TRUE(LineTo(canvas.dc(), 10, 12));
    for (int y = 5; y < 12; ++y) {
        EXPECT_EQ(canvas.at(10, y), kRed) << y;
    }
    EXPECT_EQ(canvas.at(10, 12), kWhite);
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 20, 20), 8 + 7);
}

TEST(LineTo, DiagonalLineCoversOnePixelPerStepWithoutTheEnd) {
    TestCanvas canvas(10, 10);
    Tools tools(canvas.dc(), CreatePen(PS_SOLID, 1, kRed), CreateSolidBrush(kBlue));
    MoveToEx(canvas.dc(), 6, 6, nullptr);
    LineTo(canvas.dc(), 1, 1);
    for (int i = 2; i <= 6; ++i) {
        EXPECT_EQ(canvas.at(i, i), kRed) << i;
    }
    EXPECT_EQ(canvas.at(1, 1), kWhite);
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 10, 10), 5);
}

TEST(Rectangle, OutlineWithPenInteriorWithBrushRightAndBottomExclusive) {
    TestCanvas canvas(12, 12);
    Tools tools(canvas.dc(), CreatePen(PS_SOLID, 1, kRed), CreateSolidBrush(kBlue));
    ASSERT_TRUE(Rectangle(canvas.dc(), 2, 3, 8, 9));
    for (int x = 2; x < 8; ++x) {
        EXPECT_EQ(canvas.at(x, 3), kRed) << x;
        EXPECT_EQ(canvas.at(x, 8), kRed) << x;
    }
    for (int y = 3; y < 9; ++y) {
        EXPECT_EQ(canvas.at(2, y), kRed) << y;
        EXPECT_EQ(canvas.at(7, y), kRed) << y;
    }
    EXPECT_EQ(canvas.countNot(kBlue, 3, 4, 7, 8), 0);
    EXPECT_EQ(canvas.at(8, 5), kWhite);
    EXPECT_EQ(canvas.at(5, 9), kWhite);
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 12, 12), 6 * 6);
}

TEST(Rectangle, WithoutPenFillsOnePixelLessRightAndBottom) {
    TestCanvas canvas(12, 12);
    Tools tools(canvas.dc(), CreatePen(PS_NULL, 1, 0), CreateSolidBrush(kBlue));
    Rectangle(canvas.dc(), 2, 2, 8, 8);
    EXPECT_EQ(canvas.countNot(kBlue, 2, 2, 7, 7), 0);
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 12, 12), 5 * 5);
}

TEST(Rectangle, HollowBrushLeavesTheInterior) {
    TestCanvas canvas(12, 12);
    const HGDIOBJ oldBrush = SelectObject(canvas.dc(), GetStockObject(NULL_BRUSH));
    Rectangle(canvas.dc(), 1, 1, 6, 6);  // stock black pen
    SelectObject(canvas.dc(), oldBrush);
    EXPECT_EQ(canvas.countNot(kWhite, 2, 2, 5, 5), 0);
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 12, 12), 16);
}

TEST(FillRect, FillsUpToButNotIncludingRightAndBottom) {
    TestCanvas canvas(10, 10);
    const HBRUSH brush = CreateSolidBrush(kGreen);
    const RECT r{1, 2, 4, 7};
    ASSERT_TRUE(FillRect(canvas.dc(), &r, brush));
    EXPECT_EQ(canvas.countNot(kGreen, 1, 2, 4, 7), 0);
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 10, 10), 3 * 5);
    DeleteObject(brush);
}

TEST(FrameRect, DrawsAOnePixelBorderInTheBrushColour) {
    TestCanvas canvas(10, 10);
    const HBRUSH brush = CreateSolidBrush(kGreen);
    const RECT r{1, 1, 6, 5};
    ASSERT_TRUE(FrameRect(canvas.dc(), &r, brush));
    EXPECT_EQ(canvas.at(1, 1), kGreen);
    EXPECT_EQ(canvas.at(5, 4), kGreen);
    EXPECT_EQ(canvas.at(6, 4), kWhite);
    EXPECT_EQ(canvas.countNot(kWhite, 2, 2, 5, 4), 0);
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 10, 10), 5 * 4 - 3 * 2);
    DeleteObject(brush);
}

TEST(RoundShapes, StayInsideTheirBoxAndFillTheCentre) {
    TestCanvas canvas(30, 30);
    Tools tools(canvas.dc(), CreatePen(PS_SOLID, 1, kRed), CreateSolidBrush(kBlue));
    RoundRect(canvas.dc(), 2, 2, 14, 12, 6, 6);
    Ellipse(canvas.dc(), 15, 15, 29, 25);
    EXPECT_EQ(canvas.at(8, 7), kBlue);
    EXPECT_EQ(canvas.at(8, 2), kRed);
    EXPECT_EQ(canvas.at(2, 2), kWhite);  // rounded corner
    EXPECT_EQ(canvas.at(22, 20), kBlue);
    EXPECT_EQ(canvas.at(15, 15), kWhite);
    EXPECT_EQ(canvas.countNot(kWhite, 14, 0, 30, 15), 0);
    EXPECT_EQ(canvas.countNot(kWhite, 0, 12, 15, 30), 0);
    EXPECT_EQ(canvas.countNot(kWhite, 0, 25, 30, 30), 0);
}

TEST(RoundShapes, AreOutlinedExactlyWhereANeighbourIsOutsideAndEveryRowIsOneRun) {
    for (const RECT box : {RECT{1, 1, 21, 15}, RECT{3, 2, 8, 30}, RECT{1, 1, 39, 39}, RECT{2, 4, 33, 6}}) {
        for (const int corner : {0, 1, 4, 7, 60}) {
            TestCanvas canvas(40, 40);
            Tools tools(canvas.dc(), CreatePen(PS_SOLID, 1, kRed), CreateSolidBrush(kBlue));
            RoundRect(canvas.dc(), box.left, box.top, box.right, box.bottom, corner, corner);
            auto in = [&](int x, int y) { return x >= 0 && y >= 0 && x < 40 && y < 40 && canvas.at(x, y) != kWhite; };
            for (int y = 0; y < 40; ++y) {
                int runs = 0;
                for (int x = 0; x < 40; ++x) {
                    if (in(x, y) && !in(x - 1, y)) ++runs;
                    if (!in(x, y)) continue;
                    const bool allInside = in(x - 1, y) && in(x + 1, y) && in(x, y - 1) && in(x, y + 1);
                    EXPECT_EQ(canvas.at(x, y), allInside ? kBlue : kRed) << x << "," << y << " corner " << corner;
                }
                EXPECT_LE(runs, 1) << y;
            }
            EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 40, box.top), 0);
            EXPECT_EQ(canvas.countNot(kWhite, 0, box.bottom, 40, 40), 0);
            EXPECT_TRUE(in(box.left + (box.right - box.left) / 2, box.top));
        }
    }
}

TEST(Pixels, SetAndGetInsideAndOutside) {
    TestCanvas canvas(4, 4);
    EXPECT_EQ(SetPixel(canvas.dc(), 3, 3, kRed), kRed);
    EXPECT_EQ(GetPixel(canvas.dc(), 3, 3), kRed);
    EXPECT_EQ(SetPixel(canvas.dc(), 4, 0, kRed), CLR_INVALID);
    EXPECT_EQ(GetPixel(canvas.dc(), -1, 0), CLR_INVALID);
}

TEST(SystemColours, ResolvedAtEachUse) {
    TestCanvas canvas(4, 4);
    const HBRUSH face = CreateSolidBrush(0xFF000000 | COLOR_BTNFACE);
    const RECT r{0, 0, 2, 2};
    FillRect(canvas.dc(), &r, face);
    EXPECT_EQ(canvas.at(0, 0), RGB(212, 208, 200));
    gdi::SetSysColor(COLOR_BTNFACE, kGreen);
    FillRect(canvas.dc(), &r, face);
    EXPECT_EQ(canvas.at(0, 0), kGreen);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), kGreen);
    gdi::ResetSysColors();
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(10, 36, 106));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(128, 128, 128));
    EXPECT_EQ(GetSysColor(99), 0u);
    SetPixel(canvas.dc(), 3, 3, 0xFF000000 | COLOR_HIGHLIGHT);
    EXPECT_EQ(canvas.at(3, 3), RGB(10, 36, 106));
    DeleteObject(face);
}

TEST(DeviceCaps, BitsPerPixelAndDpiAreInjectable) {
    const HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
    gdi::SetBitsPerPixel(16);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 16);
    gdi::SetPixelsPerInch(120);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 120);
    gdi::ResetDisplaySettings();
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    DeleteDC(dc);
}

// A window-style DC: origin inside the surface (a client area) and a clip region.
TEST(SurfaceDC, OriginMovesDrawingAndClipLimitsIt) {
    auto surface = std::make_shared<gdi::Surface>(20, 20, kWhite);
    const gdi::Region clip = gdi::Region(RECT{0, 0, 10, 20}).united(gdi::Region(RECT{0, 15, 20, 20}));
    int windowTag = 0;
    const HDC dc = gdi::CreateSurfaceDC(surface, POINT{3, 4}, clip, &windowTag);
    EXPECT_EQ(gdi::DCOwner(dc), &windowTag);
    const HBRUSH brush = CreateSolidBrush(kRed);
    const RECT all{0, 0, 20, 20};
    FillRect(dc, &all, brush);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool painted = x >= 3 && y >= 4 && (x < 10 || y >= 15);
            EXPECT_EQ(surface->pixel(x, y), painted ? kRed : kWhite) << x << "," << y;
        }
    }
    EXPECT_EQ(GetPixel(dc, 0, 0), kRed);          // surface (3, 4)
    EXPECT_EQ(GetPixel(dc, 10, 0), CLR_INVALID);  // clipped away
    DeleteObject(brush);
    DeleteDC(dc);
}

TEST(MovedDC, WindowlessControlDrawsAtItsOffsetClippedToItsBounds) {
    TestCanvas canvas(20, 20);
    const HDC control = gdi::CreateMovedDC(canvas.dc(), RECT{5, 6, 9, 9});
    ASSERT_NE(control, nullptr);
    const HBRUSH brush = CreateSolidBrush(kBlue);
    const RECT big{-5, -5, 30, 30};
    FillRect(control, &big, brush);
    EXPECT_EQ(canvas.countNot(kBlue, 5, 6, 9, 9), 0);
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 20, 20), 4 * 3);
    SetPixel(control, 0, 0, kRed);
    EXPECT_EQ(canvas.at(5, 6), kRed);
    // A control nested in a control is clipped by both.
    const HDC inner = gdi::CreateMovedDC(control, RECT{2, 1, 10, 10});
    const HBRUSH green = CreateSolidBrush(kGreen);
    FillRect(inner, &big, green);
    EXPECT_EQ(canvas.countNot(kGreen, 7, 7, 9, 9), 0);
    EXPECT_EQ(canvas.at(9, 8), kWhite);
    DeleteObject(green);
    DeleteObject(brush);
    DeleteDC(inner);
    DeleteDC(control);
}

}  // namespace

// The checkered fill gives the pixels that setting them one by one by the parity of x + y gives, through an origin
// and a clip region, also at negative coordinates; SetPixel and GetPixel keep to the clip and to stale handles.
TEST(SurfaceDC, ACheckeredFillMatchesPixelsSetOneByOne) {
    const gdi::Region clip = gdi::Region(RECT{2, 1, 17, 9}).united(gdi::Region(RECT{5, 9, 11, 19}));
    auto checkered = std::make_shared<gdi::Surface>(20, 20, kWhite);
    auto pixelled = std::make_shared<gdi::Surface>(20, 20, kWhite);
    const HDC fast = gdi::CreateSurfaceDC(checkered, POINT{3, 5}, clip, nullptr);
    const HDC slow = gdi::CreateSurfaceDC(pixelled, POINT{3, 5}, clip, nullptr);
    const RECT area{-4, -3, 13, 12};
    gdi::FillChecked(fast, area, kRed, 0xFF000000 | COLOR_HIGHLIGHT);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            SetPixel(slow, x, y, (x + y) % 2 ? 0xFF000000 | COLOR_HIGHLIGHT : kRed);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(checkered->pixel(x, y), pixelled->pixel(x, y)) << x << "," << y;
    EXPECT_EQ(GetPixel(slow, 1, 0), GetSysColor(COLOR_HIGHLIGHT));  // surface (4, 5): x + y odd
    EXPECT_EQ(GetPixel(slow, 14, 0), CLR_INVALID);                  // surface (17, 5): clipped away
    EXPECT_EQ(SetPixel(slow, 14, 0, kBlue), CLR_INVALID);
    EXPECT_EQ(pixelled->pixel(17, 5), kWhite);
    DeleteDC(slow);
    EXPECT_EQ(SetPixel(slow, 0, 0, kBlue), CLR_INVALID) << "a deleted DC draws nothing";
    EXPECT_EQ(GetPixel(slow, 0, 0), CLR_INVALID);
    DeleteDC(fast);
}
