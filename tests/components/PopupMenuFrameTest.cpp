// The flat frame of a popup menu window on the headless screen: the shadow region's shape and when it is made
// again, the border, the icon band, the covered top margin and the shadow read back from the window, the Windows XP
// branch, the subclassing and its removal on hide, the neighbouring popup repainted, and nothing left behind.
#include <vector>

#include "ComponentsFixture.h"
#include "TestColors.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/LiveObjects.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/testing/Settings.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"
#include "trackmill/components/ColorRoutines.h"
#include "trackmill/components/FlatLook.h"
#include "trackmill/components/PopupMenuFrame.h"

using namespace framework;
using components::DarkenColor;
using components::LightenColor;
using components::TFlatLook;

namespace {

constexpr TColor kFace = Rgb(212, 208, 200);
constexpr TColor kHighlight = Rgb(10, 36, 106);
constexpr TColor kShadow = Rgb(128, 128, 128);
constexpr TColor kRowThree = Rgb(30, 160, 90);  // what the first item's top row holds

// What the popup windows' own procedure saw, with the procedure installed at that moment.
struct Seen {
    win::HWND window;
    win::UINT message;
    win::WPARAM wParam;
    win::LONG_PTR procedure;
};
std::vector<Seen> seen;

win::LRESULT PopupSpy(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    seen.push_back(Seen{window, message, wParam, win::GetWindowLong(window, win::GWL_WNDPROC)});
    return win::DefWindowProc(window, message, wParam, lParam);
}

const auto kSpy = reinterpret_cast<win::LONG_PTR>(&PopupSpy);
const auto kFrameProc = reinterpret_cast<win::LONG_PTR>(&components::PopupMenuWndProc);

bool Saw(win::HWND window, win::UINT message) {
    for (const Seen& s : seen)
        if (s.window == window && s.message == message) return true;
    return false;
}

class PopupMenuFrameTest : public ComponentsTest {
  protected:
    void SetUp() override {
        ComponentsTest::SetUp();
        seen.clear();
        testdriver::SetSystemColor(15, kFace);
        testdriver::SetSystemColor(13, kHighlight);
        testdriver::SetSystemColor(16, kShadow);
        form = ShowForm();
        look = new TFlatLook(form);
        static bool registered = false;
        if (!registered) {
            win::WNDCLASS wc;
            wc.lpfnWndProc = &PopupSpy;
            wc.lpszClassName = "FlatFrameTestPopup";
            win::RegisterClass(&wc);
            registered = true;
        }
    }
    void TearDown() override {
        for (const win::HWND window : windows)
            if (win::IsWindow(window)) win::DestroyWindow(window);
        ComponentsTest::TearDown();
    }

    // A visible popup window painted white, with a distinct row at y = 3 for the top margin to copy.
    win::HWND Popup(int x, int y, int width, int height) {
        const win::HWND window = win::CreateWindowEx(0, "FlatFrameTestPopup", "", win::WS_POPUP | win::WS_VISIBLE, x, y,
                                                     width, height, nullptr, nullptr, nullptr);
        windows.push_back(window);
        Paint(window);
        return window;
    }
    static void Paint(win::HWND window) {
        win::RECT r{};
        win::GetWindowRect(window, &r);
        const win::HDC dc = win::GetWindowDC(window);
        const win::HBRUSH white = win::CreateSolidBrush(kWhite);
        const win::HBRUSH row = win::CreateSolidBrush(kRowThree);
        const win::RECT all{0, 0, r.right - r.left, r.bottom - r.top};
        const win::RECT third{0, 3, r.right - r.left, 4};
        win::FillRect(dc, &all, white);
        win::FillRect(dc, &third, row);
        win::DeleteObject(white);
        win::DeleteObject(row);
        win::ReleaseDC(window, dc);
    }
    // The window's region box, or an empty box when it has none.
    static win::RECT RegionBox(win::HWND window) {
        const win::HRGN region = win::CreateRectRgn(0, 0, 0, 0);
        win::RECT box{};
        if (win::GetWindowRgn(window, region) != win::ERROR) win::GetRgnBox(region, &box);
        win::DeleteObject(region);
        return box;
    }
    static bool InRegion(win::HWND window, int x, int y) {
        const win::HRGN region = win::CreateRectRgn(0, 0, 0, 0);
        const bool inside = win::GetWindowRgn(window, region) != win::ERROR && win::PtInRegion(region, x, y);
        win::DeleteObject(region);
        return inside;
    }
    static TColor At(win::HWND window, int x, int y) { return testdriver::WindowPixel(window, x, y); }

    TForm* form = nullptr;
    TFlatLook* look = nullptr;
    std::vector<win::HWND> windows;
};

TEST_F(PopupMenuFrameTest, TheRegionCutsTwoCornersAndLeavesATwoPixelShadow) {
    const win::HWND popup = Popup(300, 200, 120, 80);
    components::DrawPopupFrame(*look, popup, false);
    const win::RECT box = RegionBox(popup);
    EXPECT_EQ(box.right, 120);
    EXPECT_EQ(box.bottom, 80);
    EXPECT_TRUE(InRegion(popup, 0, 0));
    EXPECT_TRUE(InRegion(popup, 117, 0));
    EXPECT_FALSE(InRegion(popup, 118, 0));  // top-right corner cut
    EXPECT_FALSE(InRegion(popup, 119, 1));
    EXPECT_TRUE(InRegion(popup, 118, 2));
    EXPECT_TRUE(InRegion(popup, 119, 79));
    EXPECT_TRUE(InRegion(popup, 0, 77));
    EXPECT_FALSE(InRegion(popup, 0, 78));  // bottom-left corner cut
    EXPECT_FALSE(InRegion(popup, 1, 79));
    EXPECT_TRUE(InRegion(popup, 2, 79));
    EXPECT_FALSE(look->FrameBusy);
}

TEST_F(PopupMenuFrameTest, BorderIconBandTopRowsAndShadow) {
    const win::HWND popup = Popup(300, 200, 120, 80);
    components::DrawPopupFrame(*look, popup, false);
    const TColor border = DarkenColor(kFace, 90);
    const TColor icons = LightenColor(kFace, 16);
    const TColor shadow = DarkenColor(kFace, 76);
    for (const auto& [x, y] : {std::pair{0, 0}, {117, 0}, {0, 77}, {117, 77}, {60, 0}, {60, 77}, {0, 40}, {117, 40}})
        EXPECT_EQ(At(popup, x, y), border) << x << "," << y;
    for (const auto& [x, y] : {std::pair{1, 2}, {2, 2}, {1, 76}, {2, 40}}) EXPECT_EQ(At(popup, x, y), icons);
    EXPECT_EQ(At(popup, 3, 40), kWhite);
    // Rows 1 and 2 take the look of row 3.
    EXPECT_EQ(At(popup, 50, 1), kRowThree);
    EXPECT_EQ(At(popup, 50, 2), kRowThree);
    EXPECT_EQ(At(popup, 116, 1), kRowThree);
    EXPECT_EQ(At(popup, 1, 1), icons);
    EXPECT_EQ(At(popup, 50, 76), kWhite);
    for (const auto& [x, y] : {std::pair{2, 78}, {2, 79}, {60, 79}, {119, 79}, {118, 2}, {119, 2}, {119, 40}})
        EXPECT_EQ(At(popup, x, y), shadow) << x << "," << y;

    const win::HWND rtl = Popup(500, 200, 120, 80);
    components::DrawPopupFrame(*look, rtl, true);
    // Right to left the band is one line from (115, 2) to (116, 77), a pixel aslant.
    EXPECT_EQ(At(rtl, 115, 2), icons);
    EXPECT_EQ(At(rtl, 116, 76), icons);
    EXPECT_EQ(At(rtl, 114, 40), kWhite);
    EXPECT_EQ(At(rtl, 1, 40), kWhite);
}

TEST_F(PopupMenuFrameTest, TheRegionIsMadeAgainOnlyAfterADriftOfMoreThanFivePixels) {
    const win::HWND popup = Popup(300, 200, 120, 80);
    components::DrawPopupFrame(*look, popup, false);
    win::SetWindowPos(popup, nullptr, 300, 200, 125, 85, win::SWP_NOZORDER);
    components::DrawPopupFrame(*look, popup, false);
    EXPECT_EQ(RegionBox(popup).right, 120);
    EXPECT_EQ(RegionBox(popup).bottom, 80);
    win::SetWindowPos(popup, nullptr, 300, 200, 126, 80, win::SWP_NOZORDER);
    components::DrawPopupFrame(*look, popup, false);
    EXPECT_EQ(RegionBox(popup).right, 126);
    win::SetWindowPos(popup, nullptr, 300, 200, 126, 74, win::SWP_NOZORDER);
    components::DrawPopupFrame(*look, popup, false);
    EXPECT_EQ(RegionBox(popup).bottom, 74);
}

TEST_F(PopupMenuFrameTest, OnWindowsXpThereIsNoRegionAndTheRightAndBottomMarginsAreCovered) {
    testdriver::SetOsVersion(5, 1);
    TFlatLook xp(form);
    ASSERT_TRUE(xp.IsWinXP);
    const win::HWND popup = Popup(300, 200, 120, 80);
    components::DrawPopupFrame(xp, popup, false);
    EXPECT_EQ(RegionBox(popup).right, 0);
    const TColor border = DarkenColor(kFace, 90);
    EXPECT_EQ(At(popup, 119, 0), border);
    EXPECT_EQ(At(popup, 119, 79), border);
    EXPECT_EQ(At(popup, 0, 79), border);
    EXPECT_EQ(At(popup, 1, 40), LightenColor(kFace, 16));
    EXPECT_EQ(At(popup, 50, 1), kRowThree);
    EXPECT_EQ(At(popup, 50, 77), kRowThree);
    EXPECT_EQ(At(popup, 50, 78), kRowThree);
    EXPECT_EQ(At(popup, 117, 40), LightenColor(kFace, 86));
    EXPECT_EQ(At(popup, 118, 40), LightenColor(kFace, 86));
    EXPECT_EQ(win::GetWindowLong(popup, win::GWL_WNDPROC), kFrameProc);
}

TEST_F(PopupMenuFrameTest, SubclassedUntilHiddenAndTheHideArrivesAfterTheRestore) {
    const win::HWND popup = Popup(300, 200, 120, 80);
    components::DrawPopupFrame(*look, popup, false);
    EXPECT_EQ(win::GetWindowLong(popup, win::GWL_WNDPROC), kFrameProc);
    EXPECT_EQ(win::GetWindowLong(popup, win::GWL_USERDATA), kSpy);
    // A second request keeps the one saved procedure.
    components::DrawPopupFrame(*look, popup, false);
    EXPECT_EQ(win::GetWindowLong(popup, win::GWL_USERDATA), kSpy);

    seen.clear();
    EXPECT_EQ(win::SendMessage(popup, win::WM_ERASEBKGND, 0, 0), 1);
    EXPECT_FALSE(Saw(popup, win::WM_ERASEBKGND));
    win::SendMessage(popup, win::WM_USER + 7, 0, 0);
    EXPECT_TRUE(Saw(popup, win::WM_USER + 7));

    seen.clear();
    win::ShowWindow(popup, win::SW_HIDE);
    EXPECT_EQ(win::GetWindowLong(popup, win::GWL_WNDPROC), kSpy);
    EXPECT_EQ(win::GetWindowLong(popup, win::GWL_USERDATA), 0);
    EXPECT_EQ(RegionBox(popup).right, 0);
    bool sawHide = false;
    for (const Seen& s : seen)
        if (s.message == win::WM_SHOWWINDOW && s.wParam == 0) {
            sawHide = true;
            EXPECT_EQ(s.procedure, kSpy);
        }
    EXPECT_TRUE(sawHide);

    // Shown again, the next request subclasses it again; destroying it restores the procedure too.
    win::ShowWindow(popup, win::SW_SHOW);
    components::DrawPopupFrame(*look, popup, false);
    EXPECT_EQ(win::GetWindowLong(popup, win::GWL_WNDPROC), kFrameProc);
    seen.clear();
    win::DestroyWindow(popup);
    EXPECT_TRUE(Saw(popup, win::WM_DESTROY));
}

TEST_F(PopupMenuFrameTest, ClosingASubmenuRepaintsThePopupUnderItsShadow) {
    // The submenu's top-right corner, two pixels further right and down, lies in the menu; the two do not overlap,
    // so hiding the submenu uncovers nothing of the menu.
    const win::HWND submenu = Popup(200, 150, 100, 60);
    const win::HWND menu = Popup(301, 140, 120, 80);
    components::DrawPopupFrame(*look, menu, false);
    components::DrawPopupFrame(*look, submenu, false);
    testdriver::PumpUntilIdle();
    seen.clear();
    win::ShowWindow(submenu, win::SW_HIDE);
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(Saw(menu, win::WM_PAINT));

    // A neighbour that is not a framed popup is left alone.
    const win::HWND plain = Popup(600, 400, 100, 60);
    const win::HWND left = Popup(498, 390, 100, 60);
    components::DrawPopupFrame(*look, left, false);
    testdriver::PumpUntilIdle();
    seen.clear();
    win::ShowWindow(left, win::SW_HIDE);
    testdriver::PumpUntilIdle();
    EXPECT_FALSE(Saw(plain, win::WM_PAINT));
}

TEST_F(PopupMenuFrameTest, ARequestWhileDrawingOrWithoutAWindowDoesNothing) {
    const win::HWND popup = Popup(300, 200, 120, 80);
    look->FrameBusy = true;
    components::DrawPopupFrame(*look, popup, false);
    EXPECT_EQ(win::GetWindowLong(popup, win::GWL_WNDPROC), kSpy);
    EXPECT_EQ(RegionBox(popup).right, 0);
    EXPECT_EQ(At(popup, 0, 0), kWhite);
    EXPECT_TRUE(look->FrameBusy);
    look->FrameBusy = false;
    components::DrawPopupFrame(*look, nullptr, false);
    EXPECT_FALSE(look->FrameBusy);
}

TEST_F(PopupMenuFrameTest, NoDrawingObjectIsLeftBehind) {
    const win::HWND popup = Popup(300, 200, 120, 80);
    components::DrawPopupFrame(*look, popup, false);
    win::ShowWindow(popup, win::SW_HIDE);
    win::ShowWindow(popup, win::SW_SHOW);
    const gdi::LiveObjects before = gdi::CountLiveObjects();
    for (int i = 0; i < 100; ++i) {
        win::SetWindowPos(popup, nullptr, 300, 200, 120 + (i % 3) * 4, 80, win::SWP_NOZORDER);
        components::DrawPopupFrame(*look, popup, i % 2 == 0);
        if (i % 10 == 9) {
            win::ShowWindow(popup, win::SW_HIDE);
            win::ShowWindow(popup, win::SW_SHOW);
        }
    }
    win::ShowWindow(popup, win::SW_HIDE);
    EXPECT_EQ(gdi::CountLiveObjects(), before);
}

}  // namespace
