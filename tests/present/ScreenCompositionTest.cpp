#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gdi/DC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/SysColors.h"
#include "platform/present/PresenterChoice.h"
#include "platform/present/ScreenComposer.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/Paint.h"
#include "platform/user/Presenter.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

using namespace win;

namespace {

constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kGreen = RGB(0, 200, 0);

LRESULT Plain(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return DefWindowProc(hwnd, msg, wParam, lParam); }

// A top-level window painted all over in one colour.
HWND Painted(RECT r, COLORREF colour, DWORD exStyle = 0) {
    static const bool registered = [] {
        WNDCLASS wc;
        wc.lpfnWndProc = Plain;
        wc.lpszClassName = "ComposeTest";
        return RegisterClass(&wc) != 0;
    }();
    EXPECT_TRUE(registered);
    HWND hwnd = CreateWindowEx(exStyle, "ComposeTest", "", WS_POPUP | WS_VISIBLE, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, nullptr, nullptr, nullptr);
    testdriver::PumpUntilIdle();
    HDC dc = GetWindowDC(hwnd);
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all{0, 0, r.right - r.left, r.bottom - r.top};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    ReleaseDC(hwnd, dc);
    return hwnd;
}

TEST(ScreenComposition, FrontWindowsCoverBackOnesAndRegionsLetThemShow) {
    const HWND back = Painted(RECT{10, 10, 50, 50}, kRed);
    const HWND front = Painted(RECT{30, 30, 70, 70}, kGreen);
    gdi::Surface screen = present::ComposeScreen(100, 100);
    EXPECT_EQ(screen.pixel(5, 5), GetSysColor(COLOR_BACKGROUND));
    EXPECT_EQ(screen.pixel(20, 20), kRed);
    EXPECT_EQ(screen.pixel(40, 40), kGreen);

    SetWindowRgn(front, CreateRectRgn(10, 10, 40, 40), FALSE);  // only the front window's part from (10, 10) is left
    screen = present::ComposeScreen(100, 100);
    EXPECT_EQ(screen.pixel(35, 35), kRed);
    EXPECT_EQ(screen.pixel(45, 45), kGreen);
    EXPECT_EQ(screen.pixel(65, 65), kGreen);
    EXPECT_EQ(screen.pixel(32, 65), GetSysColor(COLOR_BACKGROUND));

    BringWindowToTop(back);
    EXPECT_EQ(present::ComposeScreen(100, 100).pixel(45, 45), kRed);
    ShowWindow(back, SW_HIDE);
    EXPECT_EQ(present::ComposeScreen(100, 100).pixel(45, 45), kGreen);
    DestroyWindow(back);
    DestroyWindow(front);
}

TEST(ScreenComposition, TopmostWindowsStayInFront) {
    const HWND menuLike = Painted(RECT{0, 0, 40, 40}, kGreen, WS_EX_TOPMOST);
    const HWND form = Painted(RECT{0, 0, 40, 40}, kRed);
    BringWindowToTop(form);
    EXPECT_EQ(present::ComposeScreen(50, 50).pixel(20, 20), kGreen);
    DestroyWindow(form);
    DestroyWindow(menuLike);
}

TEST(PresenterChoice, HeadlessWhenAskedFor) {
    setenv("TRACKMILL_HEADLESS", "1", 1);
    EXPECT_EQ(present::InstallPresenter(), present::PresenterKind::Headless);
    EXPECT_FALSE(user::CurrentPresenter()->waitForInput(std::nullopt));
    user::SetPresenter(nullptr);
    unsetenv("TRACKMILL_HEADLESS");
}

}  // namespace
