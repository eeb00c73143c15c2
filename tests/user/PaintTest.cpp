#include <gtest/gtest.h>

#include "TestWindow.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/LiveObjects.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

using namespace win;
using usertest::TestWindow;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

void Fill(HDC dc, RECT r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

class PaintTest : public ::testing::Test {
  protected:
    void SetUp() override { testdriver::PumpUntilIdle(); }
};

TEST_F(PaintTest, InvalidationPaintsFrameThenBackgroundThenClient) {
    TestWindow window(RECT{10, 10, 60, 60}, WS_BORDER);
    testdriver::PumpUntilIdle();
    window.clear();
    InvalidateRect(window.hwnd(), nullptr, TRUE);
    SetWindowRgn(window.hwnd(), CreateRectRgn(0, 0, 40, 40), TRUE);
    EXPECT_TRUE(window.receivedIds({WM_PAINT}).empty()) << "painting waits for the loop";
    testdriver::PumpUntilIdle();
    EXPECT_EQ(window.receivedIds({WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}),
              (std::vector<UINT>{WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}));
    EXPECT_EQ(testdriver::PumpUntilIdle(), 0u) << "the default WM_PAINT validated the window";
}

TEST_F(PaintTest, UpdateRectGathersInvalidations) {
    TestWindow window(RECT{10, 10, 110, 110});
    testdriver::PumpUntilIdle();
    RECT a{10, 10, 20, 20};
    RECT b{50, 5, 60, 30};
    InvalidateRect(window.hwnd(), &a, FALSE);
    InvalidateRect(window.hwnd(), &b, FALSE);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(window.hwnd(), &update, FALSE));
    EXPECT_EQ(update.left, 10);
    EXPECT_EQ(update.top, 5);
    EXPECT_EQ(update.right, 60);
    EXPECT_EQ(update.bottom, 30);
    ValidateRect(window.hwnd(), nullptr);
    EXPECT_FALSE(GetUpdateRect(window.hwnd(), &update, FALSE));
}

TEST_F(PaintTest, InvalidateWithoutEraseSkipsTheBackground) {
    TestWindow window(RECT{10, 10, 60, 60});
    testdriver::PumpUntilIdle();
    window.clear();
    InvalidateRect(window.hwnd(), nullptr, FALSE);
    UpdateWindow(window.hwnd());
    EXPECT_EQ(window.receivedIds({WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}), (std::vector<UINT>{WM_PAINT}))
        << "UpdateWindow paints at once, without the queue";
}

TEST_F(PaintTest, AnUnansweredPaintDoesNotRepeatForever) {
    TestWindow window(RECT{10, 10, 60, 60});
    window.onMessage([](UINT msg, WPARAM, LPARAM, LRESULT*) { return msg == WM_PAINT; });
    InvalidateRect(window.hwnd(), nullptr, FALSE);
    EXPECT_LT(testdriver::PumpUntilIdle(), 5u);
}

TEST_F(PaintTest, WindowDCReachesTheNonClientAreaAndClientDCStartsInside) {
    // Border 1 + client edge 2: the client area starts 3 pixels in.
    TestWindow window(RECT{20, 20, 80, 80}, WS_BORDER, nullptr, WS_EX_CLIENTEDGE);
    testdriver::PumpUntilIdle();
    HDC windowDC = GetWindowDC(window.hwnd());
    SetPixel(windowDC, 0, 0, kRed);
    EXPECT_EQ(WindowFromDC(windowDC), window.hwnd());
    ReleaseDC(window.hwnd(), windowDC);
    HDC clientDC = GetDC(window.hwnd());
    SetPixel(clientDC, 0, 0, kBlue);
    EXPECT_EQ(SetPixel(clientDC, -1, -1, kBlue), CLR_INVALID) << "a client DC cannot reach the frame";
    ReleaseDC(window.hwnd(), clientDC);
    EXPECT_EQ(testdriver::WindowPixel(window.hwnd(), 0, 0), kRed);
    EXPECT_EQ(testdriver::WindowPixel(window.hwnd(), 3, 3), kBlue);
    EXPECT_EQ(testdriver::ScreenPixel(20, 20), kRed);
    EXPECT_EQ(testdriver::ScreenPixel(23, 23), kBlue);
}

TEST_F(PaintTest, DrawingOutsidePaintStaysUntilTheNextRepaint) {
    TestWindow window(RECT{0, 0, 30, 30});
    testdriver::PumpUntilIdle();
    EXPECT_EQ(testdriver::WindowPixel(window.hwnd(), 5, 5), kWhite) << "erased with the class brush";
    HDC dc = GetDC(window.hwnd());
    Fill(dc, RECT{0, 0, 10, 10}, kRed);
    ReleaseDC(window.hwnd(), dc);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(testdriver::WindowPixel(window.hwnd(), 5, 5), kRed);
    InvalidateRect(window.hwnd(), nullptr, TRUE);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(testdriver::WindowPixel(window.hwnd(), 5, 5), kWhite);
}

TEST_F(PaintTest, WindowFromDCKnowsOnlyWindowDCs) {
    HDC memory = CreateCompatibleDC(nullptr);
    EXPECT_EQ(WindowFromDC(memory), nullptr);
    DeleteDC(memory);
    HDC dc;
    HWND hwnd;
    {
        TestWindow window(RECT{0, 0, 10, 10});
        hwnd = window.hwnd();
        dc = GetDC(hwnd);
        EXPECT_EQ(WindowFromDC(dc), hwnd);
    }
    EXPECT_EQ(WindowFromDC(dc), nullptr) << "the window is gone";
    ReleaseDC(hwnd, dc);
}

TEST_F(PaintTest, RegionsClipPaintingHitTestingAndTheScreen) {
    TestWindow below(RECT{200, 200, 260, 260});
    TestWindow window(RECT{200, 200, 260, 260});
    testdriver::PumpUntilIdle();
    // An L shape: the top band and the left band.
    HRGN shape = CreateRectRgn(0, 0, 60, 10);
    HRGN left = CreateRectRgn(0, 0, 10, 60);
    CombineRgn(shape, shape, left, RGN_OR);
    DeleteObject(left);
    HDC paintBelow = GetDC(below.hwnd());
    Fill(paintBelow, RECT{0, 0, 60, 60}, kBlue);
    ReleaseDC(below.hwnd(), paintBelow);
    ASSERT_TRUE(SetWindowRgn(window.hwnd(), shape, TRUE));
    testdriver::PumpUntilIdle();

    HDC dc = GetWindowDC(window.hwnd());
    Fill(dc, RECT{0, 0, 60, 60}, kRed);
    ReleaseDC(window.hwnd(), dc);
    EXPECT_EQ(testdriver::WindowPixel(window.hwnd(), 5, 50), kRed);
    EXPECT_EQ(testdriver::WindowPixel(window.hwnd(), 30, 30), kWhite) << "outside the region nothing is drawn";
    EXPECT_EQ(testdriver::ScreenPixel(205, 250), kRed);
    EXPECT_EQ(testdriver::ScreenPixel(230, 230), kBlue) << "the window below shows through";

    EXPECT_EQ(WindowFromPoint(POINT{205, 250}), window.hwnd());
    EXPECT_EQ(WindowFromPoint(POINT{230, 230}), below.hwnd());

    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(window.hwnd(), copy), ERROR);
    RECT box;
    GetRgnBox(copy, &box);
    EXPECT_EQ(box.right, 60);
    EXPECT_EQ(box.bottom, 60);
    SetWindowRgn(window.hwnd(), nullptr, FALSE);
    EXPECT_EQ(GetWindowRgn(window.hwnd(), copy), ERROR);
    DeleteObject(copy);
}

TEST_F(PaintTest, ChildWindowsAreNotPaintedOverByTheirParent) {
    TestWindow parent(RECT{300, 0, 360, 60});
    TestWindow child(RECT{10, 10, 30, 30}, 0, parent.hwnd());
    testdriver::PumpUntilIdle();
    HDC childDC = GetDC(child.hwnd());
    Fill(childDC, RECT{0, 0, 20, 20}, kBlue);
    ReleaseDC(child.hwnd(), childDC);
    HDC parentDC = GetDC(parent.hwnd());
    Fill(parentDC, RECT{0, 0, 60, 60}, kRed);
    ReleaseDC(parent.hwnd(), parentDC);
    EXPECT_EQ(testdriver::WindowPixel(parent.hwnd(), 15, 15), kBlue);
    EXPECT_EQ(testdriver::WindowPixel(parent.hwnd(), 5, 5), kRed);
}

TEST_F(PaintTest, AHiddenChildOrOneInsideAHiddenChildDrawsNothing) {
    TestWindow parent(RECT{400, 100, 480, 180});
    TestWindow holder(RECT{10, 10, 70, 70}, 0, parent.hwnd());
    TestWindow inner(RECT{5, 5, 25, 25}, 0, holder.hwnd());
    testdriver::PumpUntilIdle();
    ShowWindow(holder.hwnd(), SW_HIDE);
    testdriver::PumpUntilIdle();
    const COLORREF before = testdriver::WindowPixel(parent.hwnd(), 20, 20);
    for (HWND hidden : {holder.hwnd(), inner.hwnd()}) {
        HDC client = GetDC(hidden);
        Fill(client, RECT{0, 0, 20, 20}, kBlue);
        ReleaseDC(hidden, client);
        HDC whole = GetWindowDC(hidden);
        Fill(whole, RECT{0, 0, 20, 20}, kBlue);
        ReleaseDC(hidden, whole);
    }
    EXPECT_EQ(testdriver::WindowPixel(parent.hwnd(), 20, 20), before);
    EXPECT_EQ(testdriver::WindowPixel(parent.hwnd(), 12, 12), before);
    ShowWindow(holder.hwnd(), SW_SHOW);
    testdriver::PumpUntilIdle();
    HDC shown = GetDC(inner.hwnd());
    Fill(shown, RECT{0, 0, 20, 20}, kBlue);
    ReleaseDC(inner.hwnd(), shown);
    EXPECT_EQ(testdriver::WindowPixel(parent.hwnd(), 20, 20), kBlue);
}

TEST_F(PaintTest, AChildThatMovesShrinksOrHidesUncoversWhatItsParentPaints) {
    TestWindow parent(RECT{600, 0, 700, 100});
    TestWindow child(RECT{10, 10, 30, 30}, 0, parent.hwnd());
    child.onMessage([&](UINT msg, WPARAM wParam, LPARAM, LRESULT* result) {
        if (msg != WM_ERASEBKGND) return false;
        RECT r;
        GetClientRect(child.hwnd(), &r);
        const HBRUSH red = CreateSolidBrush(kRed);
        FillRect(reinterpret_cast<HDC>(wParam), &r, red);
        DeleteObject(red);
        *result = 1;
        return true;
    });
    InvalidateRect(child.hwnd(), nullptr, TRUE);
    testdriver::PumpUntilIdle();
    ASSERT_EQ(testdriver::ScreenPixel(615, 15), kRed);

    MoveWindow(child.hwnd(), 50, 10, 20, 20, TRUE);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(testdriver::ScreenPixel(615, 15), kWhite);
    EXPECT_EQ(testdriver::ScreenPixel(655, 15), kRed);

    MoveWindow(child.hwnd(), 50, 10, 5, 5, TRUE);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(testdriver::ScreenPixel(651, 11), kRed);
    EXPECT_EQ(testdriver::ScreenPixel(665, 25), kWhite);

    ShowWindow(child.hwnd(), SW_HIDE);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(testdriver::ScreenPixel(651, 11), kWhite);
    ShowWindow(child.hwnd(), SW_SHOW);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(testdriver::ScreenPixel(651, 11), kRed);
}

TEST_F(PaintTest, BordersOfTheClassicLook) {
    TestWindow parent(RECT{400, 0, 500, 100});
    TestWindow flat(RECT{10, 10, 40, 40}, WS_BORDER, parent.hwnd());
    TestWindow sunken(RECT{50, 10, 80, 40}, 0, parent.hwnd(), WS_EX_CLIENTEDGE);
    testdriver::PumpUntilIdle();
    // Without the 3-D look: one black line, then the client area.
    EXPECT_EQ(testdriver::WindowPixel(flat.hwnd(), 0, 15), RGB(0, 0, 0));
    EXPECT_EQ(testdriver::WindowPixel(flat.hwnd(), 29, 15), RGB(0, 0, 0));
    EXPECT_EQ(testdriver::WindowPixel(flat.hwnd(), 1, 15), kWhite);
    // With it: two sunken lines.
    EXPECT_EQ(testdriver::WindowPixel(sunken.hwnd(), 0, 15), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(testdriver::WindowPixel(sunken.hwnd(), 1, 15), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(testdriver::WindowPixel(sunken.hwnd(), 29, 15), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(testdriver::WindowPixel(sunken.hwnd(), 28, 15), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(testdriver::WindowPixel(sunken.hwnd(), 2, 15), kWhite);
}

TEST_F(PaintTest, LiveObjectsReturnToTheirCountAfterAHundredPaints) {
    TestWindow window(RECT{0, 0, 80, 60}, WS_CAPTION | WS_THICKFRAME);
    testdriver::PumpUntilIdle();
    const gdi::LiveObjects before = gdi::CountLiveObjects();
    for (int i = 0; i < 100; ++i) {
        InvalidateRect(window.hwnd(), nullptr, TRUE);
        SetWindowRgn(window.hwnd(), CreateRectRgn(0, 0, 70 + i % 3, 50), TRUE);
        testdriver::PumpUntilIdle();
    }
    SetWindowRgn(window.hwnd(), nullptr, FALSE);
    EXPECT_EQ(gdi::CountLiveObjects(), before);
}

}  // namespace
