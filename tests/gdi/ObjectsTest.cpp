#include <gtest/gtest.h>

#include <cstring>

#include "TestCanvas.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/ImageList.h"
#include "platform/gdi/LiveObjects.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/Text.h"

namespace {

using namespace win;

constexpr COLORREF kWhite = RGB(255, 255, 255);

TEST(LiveObjects, EachKindIsCountedUntilDeleted) {
    const gdi::LiveObjects before = gdi::CountLiveObjects();
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
    const HRGN rgn = CreateRectRgn(0, 0, 1, 1);
    const HPEN pen = CreatePen(PS_SOLID, 1, 0);
    const HBRUSH brush = CreateSolidBrush(0);
    LOGFONT logfont;
    std::strcpy(logfont.lfFaceName, "Tahoma");
    const HFONT font = CreateFontIndirect(&logfont);
    const HIMAGELIST list = ImageList_Create(2, 2, ILC_MASK, 1, 1);
    gdi::LiveObjects expected = before;
    ++expected.dcs;
    ++expected.bitmaps;
    ++expected.regions;
    ++expected.pens;
    ++expected.brushes;
    ++expected.fonts;
    ++expected.imageLists;
    EXPECT_EQ(gdi::CountLiveObjects(), expected);
    // Stock objects are not counted.
    GetStockObject(NULL_BRUSH);
    GetStockObject(DEFAULT_GUI_FONT);
    EXPECT_EQ(gdi::CountLiveObjects(), expected);
    EXPECT_TRUE(DeleteDC(dc));
    for (HGDIOBJ object : {HGDIOBJ(bitmap), HGDIOBJ(rgn), HGDIOBJ(pen), HGDIOBJ(brush), HGDIOBJ(font)}) {
        EXPECT_TRUE(DeleteObject(object));
    }
    EXPECT_TRUE(ImageList_Destroy(list));
    EXPECT_EQ(gdi::CountLiveObjects(), before);
}

TEST(LiveObjects, BackToZeroAfterManyPaints) {
    TestCanvas screen(40, 40);
    const gdi::LiveObjects withScreen = gdi::CountLiveObjects();
    for (int i = 0; i < 100; ++i) {
        const HDC memory = CreateCompatibleDC(screen.dc());
        const HBITMAP bitmap = CreateCompatibleBitmap(screen.dc(), 20, 20);
        const HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
        const HBRUSH brush = CreateSolidBrush(RGB(i, 0, 0));
        const HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, i, 0));
        const HGDIOBJ oldBrush = SelectObject(memory, brush);
        const HGDIOBJ oldPen = SelectObject(memory, pen);
        Rectangle(memory, 0, 0, 20, 20);
        RECT r{0, 0, 20, 20};
        DrawText(memory, "&Item", -1, &r, DT_SINGLELINE | DT_VCENTER);
        BitBlt(screen.dc(), i % 20, 0, 20, 20, memory, 0, 0, SRCCOPY);
        const HRGN rgn = CreateRectRgn(0, 0, 5, 5);
        CombineRgn(rgn, rgn, rgn, RGN_OR);
        SelectObject(memory, oldBrush);
        SelectObject(memory, oldPen);
        SelectObject(memory, oldBitmap);
        DeleteObject(rgn);
        DeleteObject(pen);
        DeleteObject(brush);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }
    EXPECT_EQ(gdi::CountLiveObjects(), withScreen);
}

TEST(StaleHandles, FailCleanlyAndAreNeverReused) {
    const HPEN first = CreatePen(PS_SOLID, 1, 0);
    ASSERT_TRUE(DeleteObject(first));
    EXPECT_FALSE(DeleteObject(first));
    const HPEN second = CreatePen(PS_SOLID, 1, 0);
    EXPECT_NE(first, second);
    TestCanvas canvas(4, 4);
    EXPECT_EQ(SelectObject(canvas.dc(), first), nullptr);
    DeleteObject(second);

    const HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
    EXPECT_EQ(SetPixel(dc, 0, 0, 0), CLR_INVALID);
    EXPECT_FALSE(Rectangle(dc, 0, 0, 2, 2));
    EXPECT_FALSE(LineTo(dc, 1, 1));
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), 0);
    EXPECT_EQ(SetTextColor(dc, 0), CLR_INVALID);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 0);
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), nullptr);
    RECT r{0, 0, 2, 2};
    EXPECT_EQ(DrawText(dc, "x", -1, &r, 0), 0);
    EXPECT_FALSE(TextOut(dc, 0, 0, "x", 1));
    EXPECT_FALSE(BitBlt(canvas.dc(), 0, 0, 1, 1, dc, 0, 0, SRCCOPY));
    const HBRUSH brush = CreateSolidBrush(0);
    DeleteObject(brush);
    EXPECT_FALSE(FillRect(canvas.dc(), &r, brush));
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 4, 4), 0);
    // A DC handle is not a drawing object and the other way round.
    EXPECT_FALSE(DeleteObject(reinterpret_cast<HGDIOBJ>(canvas.dc())));
    EXPECT_FALSE(DeleteDC(reinterpret_cast<HDC>(canvas.bitmap())));
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));  // stock objects survive
    EXPECT_NE(SelectObject(canvas.dc(), GetStockObject(BLACK_PEN)), nullptr);
}

TEST(Selection, ObjectDeletedWhileSelectedKeepsDrawing) {
    TestCanvas canvas(4, 1);
    const HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    const HGDIOBJ old = SelectObject(canvas.dc(), pen);
    DeleteObject(pen);
    MoveToEx(canvas.dc(), 0, 0, nullptr);
    LineTo(canvas.dc(), 2, 0);
    EXPECT_EQ(canvas.at(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(SelectObject(canvas.dc(), old), pen);  // the previous handle is reported, stale or not
}

TEST(Selection, BitmapSelectsIntoMemoryDcsAndReturnsThePrevious) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP a = CreateCompatibleBitmap(dc, 2, 2);
    const HBITMAP b = CreateCompatibleBitmap(dc, 3, 3);
    const HGDIOBJ stock = SelectObject(dc, a);
    EXPECT_NE(stock, nullptr);
    EXPECT_EQ(SelectObject(dc, b), a);
    SetPixel(dc, 2, 2, RGB(1, 2, 3));
    EXPECT_EQ(gdi::BitmapSurface(b)->pixel(2, 2), RGB(1, 2, 3));
    EXPECT_EQ(gdi::BitmapSurface(a)->pixel(1, 1), 0u);  // compatible bitmaps start black
    EXPECT_EQ(SelectObject(dc, stock), b);
    EXPECT_EQ(CreateCompatibleBitmap(dc, -1, 2), nullptr);
    const HBITMAP empty = CreateCompatibleBitmap(dc, 0, 5);
    EXPECT_EQ(gdi::BitmapSurface(empty)->width(), 1);
    DeleteObject(empty);
    DeleteObject(a);
    DeleteObject(b);
    DeleteDC(dc);
}

TEST(Selection, SelectedRegionClipsPainting) {
    TestCanvas canvas(10, 10);
    const HRGN clip = CreateRectRgn(2, 2, 5, 5);
    SelectObject(canvas.dc(), clip);
    DeleteObject(clip);  // the DC keeps its own copy
    const HBRUSH brush = CreateSolidBrush(0);
    RECT all{0, 0, 10, 10};
    FillRect(canvas.dc(), &all, brush);
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 10, 10), 9);
    EXPECT_EQ(canvas.countNot(0, 2, 2, 5, 5), 0);
    DeleteObject(brush);
}

}  // namespace
