#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "TestWindow.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/LiveObjects.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/MessageSpy.h"
#include "platform/testing/Screen.h"
#include "platform/testing/Settings.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/Input.h"
#include "platform/user/Menu.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

using namespace win;
using usertest::TestWindow;

namespace {

constexpr UINT kPing = WM_USER + 3;
constexpr UINT kItemWidth = 100;
constexpr UINT kItemHeight = 20;

constexpr UINT kFrameRequest = 48308;

// A subclass of a popup menu window that keeps the previous procedure in the window's user-data slot, as the flat
// look does, and takes itself out when the window hides.
struct FrameSubclass {
    static inline int erasesSwallowed = 0;
    static inline bool sawHide = false;

    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        const auto previous = reinterpret_cast<WNDPROC>(GetWindowLong(hwnd, GWL_USERDATA));
        if (msg == WM_ERASEBKGND) {
            ++erasesSwallowed;
            return 1;
        }
        if ((msg == WM_SHOWWINDOW && !wParam) || msg == WM_DESTROY) {
            sawHide = sawHide || msg == WM_SHOWWINDOW;
            SetWindowRgn(hwnd, nullptr, FALSE);
            SetWindowLong(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
            SetWindowLong(hwnd, GWL_USERDATA, 0);
        }
        return CallWindowProc(previous, hwnd, msg, wParam, lParam);
    }
};

struct DrawnItem {
    UINT id;
    UINT action;
    UINT state;
    RECT rect;
    ULONG_PTR data;
    HWND dcWindow;
};

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// An owner window that measures every owner-drawn item as kItemWidth x kItemHeight and records what it draws.
class MenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        user::ResetInputState();
        testdriver::PumpUntilIdle();
        owner.onMessage([this](UINT msg, WPARAM, LPARAM lParam, LRESULT* result) {
            if (msg == WM_MEASUREITEM) {
                auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
                measuredFrom.emplace_back(mis->itemWidth, mis->itemHeight);
                mis->itemWidth = measureWidth;
                mis->itemHeight = measureHeight;
                *result = TRUE;
                return true;
            }
            if (msg == WM_DRAWITEM) {
                const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
                drawn.push_back(DrawnItem{dis->itemID, dis->itemAction, dis->itemState, dis->rcItem, dis->itemData,
                                          WindowFromDC(dis->hDC)});
                if (whenDrawn) whenDrawn(drawn.back());
                *result = TRUE;
                return true;
            }
            return false;
        });
    }

    HMENU OwnerDrawnPopup(std::initializer_list<UINT> ids) {
        HMENU menu = CreatePopupMenu();
        for (UINT id : ids) AppendMenu(menu, MF_OWNERDRAW, id, reinterpret_cast<const char*>(ULONG_PTR{id} * 16));
        return menu;
    }

    TestWindow owner{RECT{0, 0, 400, 300}, WS_CAPTION};
    TestWindow app{RECT{600, 400, 700, 500}};
    UINT measureWidth = kItemWidth;
    UINT measureHeight = kItemHeight;
    std::vector<std::pair<UINT, UINT>> measuredFrom;
    std::vector<DrawnItem> drawn;
    std::function<void(const DrawnItem&)> whenDrawn;
};

TEST_F(MenuTest, OwnerDrawnPopupItemsUseWindowCoordinatesFromTheMargin) {
    HMENU menu = OwnerDrawnPopup({101, 102});
    RECT beforeShow{1, 1, 1, 1};
    EXPECT_FALSE(GetMenuItemRect(nullptr, menu, 0, &beforeShow));
    EXPECT_TRUE(beforeShow == (RECT{0, 0, 0, 0})) << "never shown: an empty rectangle";

    std::optional<RECT> rectWhileOpen;
    whenDrawn = [&](const DrawnItem& item) {
        if (item.id == 102 && !rectWhileOpen) {
            RECT r;
            GetMenuItemRect(nullptr, menu, 1, &r);
            rectWhileOpen = r;
            testdriver::PressKey(VK_ESCAPE);
        }
    };
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 100, 120, 0, owner.hwnd(), nullptr), 0);

    ASSERT_EQ(measuredFrom.size(), 2u);
    EXPECT_EQ(measuredFrom[0], (std::pair<UINT, UINT>{0, user::classic::kOwnerDrawDefaultHeight}));
    ASSERT_GE(drawn.size(), 2u);
    const int width = static_cast<int>(kItemWidth) + user::classic::kOwnerDrawPopupExtraWidth;
    EXPECT_TRUE(drawn[0].rect == (RECT{3, 3, 3 + width, 23}));
    EXPECT_TRUE(drawn[1].rect == (RECT{3, 23, 3 + width, 43}));
    EXPECT_EQ(drawn[0].data, 101u * 16);
    EXPECT_EQ(drawn[0].action, ODA_DRAWENTIRE);
    const HWND popup = drawn[0].dcWindow;
    EXPECT_NE(popup, nullptr);
    EXPECT_NE(popup, owner.hwnd()) << "popup items are drawn on the popup window's DC";
    EXPECT_FALSE(IsWindow(popup)) << "the popup window is gone once the menu closes";

    // The window is 3 pixels larger than the items on every side, at the requested point.
    ASSERT_TRUE(rectWhileOpen.has_value());
    EXPECT_TRUE(*rectWhileOpen == (RECT{103, 143, 103 + width, 163}));
    RECT afterClose;
    EXPECT_TRUE(GetMenuItemRect(nullptr, menu, 1, &afterClose));
    EXPECT_TRUE(afterClose == *rectWhileOpen) << "a closed popup reports its last layout";
    DestroyMenu(menu);
}

TEST_F(MenuTest, TrackingLoopDeliversPostedMessagesToOtherWindows) {
    HMENU menu = OwnerDrawnPopup({101});
    bool popupOpenWhenPinged = false;
    LONG_PTR popupUserData = -1;
    HWND popup = nullptr;
    whenDrawn = [&](const DrawnItem& item) {
        if (!popup) {
            popup = item.dcWindow;
            PostMessage(app.hwnd(), kPing, 0, 0);
        }
    };
    app.onMessage([&](UINT msg, WPARAM, LPARAM, LRESULT*) {
        if (msg != kPing) return false;
        popupOpenWhenPinged = IsWindowVisible(popup) != FALSE;
        popupUserData = GetWindowLong(popup, GWL_USERDATA);
        EndMenu();
        return true;
    });
    int hookRuns = 0;
    user::SetPendingCallsHook([&] { ++hookRuns; });
    TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, owner.hwnd(), nullptr);
    user::SetPendingCallsHook(nullptr);
    EXPECT_TRUE(popupOpenWhenPinged);
    EXPECT_EQ(popupUserData, 0) << "the layer keeps its popup state out of the user-data slot";
    EXPECT_GT(hookRuns, 0) << "the tracking loop runs pending cross-thread calls";
    DestroyMenu(menu);
}

TEST_F(MenuTest, AnOpenPopupCanBeSubclassedReshapedAndDrawnOverFromAPostedRequest) {
    HMENU menu = OwnerDrawnPopup({101, 102});
    FrameSubclass::erasesSwallowed = 0;
    FrameSubclass::sawHide = false;
    HWND popup = nullptr;
    int framesDrawn = 0;
    whenDrawn = [&](const DrawnItem& item) {
        // At most one request waits at a time.
        if (testdriver::QueuedMessages(app.hwnd(), kFrameRequest, kFrameRequest) == 0)
            PostMessage(app.hwnd(), kFrameRequest, 0, reinterpret_cast<LPARAM>(item.dcWindow));
    };
    app.onMessage([&](UINT msg, WPARAM, LPARAM lParam, LRESULT*) {
        if (msg != kFrameRequest) return false;
        popup = reinterpret_cast<HWND>(lParam);
        if (GetWindowLong(popup, GWL_WNDPROC) != reinterpret_cast<LONG_PTR>(&FrameSubclass::Proc)) {
            SetWindowLong(popup, GWL_USERDATA, GetWindowLong(popup, GWL_WNDPROC));
            SetWindowLong(popup, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameSubclass::Proc));
        }
        RECT r;
        GetWindowRect(popup, &r);
        const int w = r.right - r.left;
        const int h = r.bottom - r.top;
        HRGN current = CreateRectRgn(0, 0, 0, 0);
        if (GetWindowRgn(popup, current) == ERROR) {
            HRGN shape = CreateRectRgn(0, 0, w - 2, h - 2);
            HRGN shadow = CreateRectRgn(2, 2, w, h);
            CombineRgn(shape, shape, shadow, RGN_OR);
            DeleteObject(shadow);
            SetWindowRgn(popup, shape, TRUE);
        }
        DeleteObject(current);
        HDC dc = GetWindowDC(popup);
        SetPixel(dc, 0, 0, RGB(1, 2, 3));
        ReleaseDC(popup, dc);
        if (++framesDrawn == 2) testdriver::PressKey(VK_ESCAPE);
        return true;
    });
    testdriver::MessageSpy spy(app.hwnd());
    TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, owner.hwnd(), nullptr);
    EXPECT_EQ(framesDrawn, 2) << "the new region repainted the items, which asked for the frame again";
    EXPECT_EQ(spy.ids({kFrameRequest}).size(), 2u);
    EXPECT_GE(FrameSubclass::erasesSwallowed, 1) << "the repaint's erase went to the subclass";
    EXPECT_TRUE(FrameSubclass::sawHide) << "the subclass saw the window hide before it was destroyed";
    EXPECT_FALSE(IsWindow(popup));
    DestroyMenu(menu);
}

TEST_F(MenuTest, ClickingAnItemChoosesIt) {
    HMENU menu = OwnerDrawnPopup({101, 102});
    whenDrawn = [&](const DrawnItem& item) {
        if (item.id == 102 && item.action == ODA_DRAWENTIRE) testdriver::Click(POINT{50 + 3 + 10, 60 + 23 + 10});
    };
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 50, 60, 0, owner.hwnd(), nullptr), 102);
    // Hovering selected the item before the click: it was redrawn selected.
    const bool sawSelected = std::any_of(drawn.begin(), drawn.end(), [](const DrawnItem& d) {
        return d.id == 102 && d.action == ODA_SELECT && (d.state & ODS_SELECTED);
    });
    EXPECT_TRUE(sawSelected);

    drawn.clear();
    owner.clear();
    EXPECT_TRUE(TrackPopupMenu(menu, 0, 50, 60, 0, owner.hwnd(), nullptr));
    testdriver::PumpUntilIdle();
    ASSERT_EQ(owner.receivedIds({WM_COMMAND}).size(), 1u);
    EXPECT_EQ(LOWORD(owner.last(WM_COMMAND)->wParam), 102);
    DestroyMenu(menu);
}

TEST_F(MenuTest, ASeparatorUnderTheMouseIsNeverSelected) {
    constexpr UINT kSeparator = 150;
    HMENU menu = OwnerDrawnPopup({101});
    AppendMenu(menu, MF_OWNERDRAW | MF_SEPARATOR, kSeparator, reinterpret_cast<const char*>(ULONG_PTR{kSeparator}));
    AppendMenu(menu, MF_OWNERDRAW, 102, reinterpret_cast<const char*>(ULONG_PTR{102} * 16));
    // Items are 20 pixels high from y 63 on: the first item, the separator, the last item.
    const POINT onFirst{50 + 3 + 10, 60 + 3 + 10};
    const POINT onSeparator{50 + 3 + 10, 60 + 23 + 10};
    bool inputSent = false;
    whenDrawn = [&](const DrawnItem&) {
        if (std::exchange(inputSent, true)) return;
        testdriver::MoveMouse(onFirst);
        testdriver::MoveMouse(onSeparator);
        testdriver::MoveMouse(POINT{onSeparator.x + 5, onSeparator.y + 1});
        // A click on a separator chooses nothing and leaves the menu open.
        testdriver::Click(onSeparator);
        // With nothing selected, Up starts from the bottom.
        testdriver::PressKey(VK_UP);
        testdriver::PressKey(VK_RETURN);
    };
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 50, 60, 0, owner.hwnd(), nullptr), 102);

    const auto selectedDraw = [](UINT id) {
        return [id](const DrawnItem& d) { return d.id == id && (d.state & ODS_SELECTED); };
    };
    EXPECT_TRUE(std::none_of(drawn.begin(), drawn.end(), selectedDraw(kSeparator)))
        << "the separator was drawn selected";
    const auto firstSelected = std::find_if(drawn.begin(), drawn.end(), selectedDraw(101));
    ASSERT_NE(firstSelected, drawn.end()) << "hovering the first item selected it";
    const auto firstReleased = std::find_if(firstSelected, drawn.end(), [](const DrawnItem& d) {
        return d.id == 101 && d.action == ODA_SELECT && !(d.state & ODS_SELECTED);
    });
    EXPECT_NE(firstReleased, drawn.end()) << "moving onto the separator took the selection off the first item";
    DestroyMenu(menu);
}

TEST_F(MenuTest, AClickOutsideDismissesAndIsSwallowed) {
    HMENU menu = OwnerDrawnPopup({101});
    whenDrawn = [&](const DrawnItem&) { testdriver::Click(POINT{650, 450}); };
    app.clear();
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 50, 60, 0, owner.hwnd(), nullptr), 0);
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(app.receivedIds({WM_LBUTTONDOWN, WM_LBUTTONUP}).empty());
    DestroyMenu(menu);
}

TEST_F(MenuTest, KeyboardMovesTheSelectionAndOpensSubmenus) {
    HMENU sub = OwnerDrawnPopup({201, 202});
    HMENU menu = OwnerDrawnPopup({101});
    AppendMenu(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), "More");
    bool keysSent = false;
    whenDrawn = [&](const DrawnItem&) {
        if (keysSent) return;
        keysSent = true;
        for (int vk : {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}) testdriver::PressKey(vk);
    };
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, owner.hwnd(), nullptr), 202);
    HWND subWindow = nullptr;
    for (const DrawnItem& d : drawn)
        if (d.id == 201) subWindow = d.dcWindow;
    EXPECT_NE(subWindow, nullptr);
    EXPECT_NE(subWindow, drawn.front().dcWindow) << "a sub-menu has its own window";
    DestroyMenu(menu);
    EXPECT_FALSE(IsMenu(sub)) << "sub-menus go with their menu";
}

TEST_F(MenuTest, OwnerDrawnMenuBarIsMeasuredAndDrawnInWindowCoordinates) {
    measureWidth = 40;
    measureHeight = 25;
    HMENU bar = CreateMenu();
    AppendMenu(bar, MF_OWNERDRAW, 301, nullptr);
    AppendMenu(bar, MF_OWNERDRAW, 302, nullptr);
    ASSERT_TRUE(SetMenu(owner.hwnd(), bar));
    testdriver::PumpUntilIdle();

    // Frame 3 and caption 19 above the bar; the bar is as tall as its tallest item (25 > 19).
    const int barTop = user::classic::kFixedFrame + user::classic::kCaptionHeight;
    POINT origin{0, 0};
    ClientToScreen(owner.hwnd(), &origin);
    EXPECT_EQ(origin.y, barTop + 25);
    std::vector<DrawnItem> barItems;
    for (const DrawnItem& d : drawn)
        if (d.dcWindow == owner.hwnd()) barItems.push_back(d);
    ASSERT_GE(barItems.size(), 2u);
    // Each item gets the room around what it measured that a text item has around its caption.
    const int w = 40 + 2 * user::classic::kMenuBarTextPadding;
    EXPECT_TRUE(barItems[0].rect == (RECT{3, barTop, 3 + w, barTop + 25}));
    EXPECT_TRUE(barItems[1].rect == (RECT{3 + w, barTop, 3 + 2 * w, barTop + 25}));
    RECT screen;
    ASSERT_TRUE(GetMenuItemRect(owner.hwnd(), bar, 1, &screen));
    EXPECT_TRUE(screen == (RECT{3 + w, barTop, 3 + 2 * w, barTop + 25}));  // the window sits at (0, 0)

    // DrawMenuBar measures again.
    measuredFrom.clear();
    measureHeight = 10;
    DrawMenuBar(owner.hwnd());
    EXPECT_EQ(measuredFrom.size(), 2u);
    origin = POINT{0, 0};
    ClientToScreen(owner.hwnd(), &origin);
    EXPECT_EQ(origin.y, barTop + user::classic::kMenuBarHeight) << "never lower than the standard bar";

    // A bar item without a sub-menu is a command.
    owner.clear();
    testdriver::Click(POINT{3 + w + 10, barTop + 5});
    testdriver::PumpUntilIdle();
    ASSERT_EQ(owner.receivedIds({WM_COMMAND}).size(), 1u);
    EXPECT_EQ(LOWORD(owner.last(WM_COMMAND)->wParam), 302);
}

TEST_F(MenuTest, BarSubmenuOpensBelowItsItem) {
    HMENU bar = CreateMenu();
    HMENU sub = OwnerDrawnPopup({401});
    AppendMenu(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), "File");
    SetMenu(owner.hwnd(), bar);
    testdriver::PumpUntilIdle();
    RECT item;
    ASSERT_TRUE(GetMenuItemRect(owner.hwnd(), bar, 0, &item));
    EXPECT_EQ(item.bottom - item.top, user::classic::kMenuBarHeight);
    whenDrawn = [&](const DrawnItem& d) {
        if (d.id == 401 && d.action == ODA_DRAWENTIRE) testdriver::Click(POINT{item.left + 3 + 5, item.bottom + 3 + 5});
    };
    owner.clear();
    testdriver::Click(POINT{item.left + 5, item.top + 5});
    testdriver::PumpUntilIdle();
    ASSERT_EQ(owner.receivedIds({WM_INITMENUPOPUP}).size(), 1u);
    ASSERT_EQ(owner.receivedIds({WM_COMMAND}).size(), 1u);
    EXPECT_EQ(LOWORD(owner.last(WM_COMMAND)->wParam), 401);
}

TEST_F(MenuTest, ClassicItemsTakeTheSystemColoursOfThePaintingMoment) {
    testdriver::ScopedSettings settings;
    testdriver::SetSystemColor(COLOR_MENU, RGB(1, 2, 3));
    testdriver::SetSystemColor(COLOR_HIGHLIGHT, RGB(4, 5, 6));
    HMENU menu = CreatePopupMenu();
    AppendMenu(menu, MF_STRING, 1, "First");
    AppendMenu(menu, MF_STRING, 2, "Second");
    HWND popup = nullptr;
    COLORREF idle = 0;
    COLORREF selected = 0;
    // The timer fires inside the tracking loop once the popup has painted (timers come after paints). The pixel
    // read lies left of the first item's text.
    app.onMessage([&](UINT msg, WPARAM, LPARAM, LRESULT*) {
        if (msg == WM_TIMER) {
            KillTimer(app.hwnd(), 1);
            popup = WindowFromPoint(POINT{105, 105});
            idle = testdriver::WindowPixel(popup, 4, 4);
            testdriver::PressKey(VK_DOWN);
            PostMessage(app.hwnd(), kPing, 0, 0);
            return true;
        }
        if (msg == kPing) {
            selected = testdriver::WindowPixel(popup, 4, 4);
            EndMenu();
            return true;
        }
        return false;
    });
    SetTimer(app.hwnd(), 1, 1, nullptr);
    TrackPopupMenu(menu, TPM_RETURNCMD, 100, 100, 0, owner.hwnd(), nullptr);
    EXPECT_NE(popup, owner.hwnd());
    EXPECT_EQ(idle, RGB(1, 2, 3));
    EXPECT_EQ(selected, RGB(4, 5, 6));
    DestroyMenu(menu);
}

TEST(MenuItems, EditingByPositionAndByCommand) {
    HMENU menu = CreatePopupMenu();
    HMENU sub = CreatePopupMenu();
    AppendMenu(menu, MF_STRING, 10, "ten");
    AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "sub");
    AppendMenu(sub, MF_STRING, 30, "thirty");
    MENUITEMINFO info;
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE | MIIM_STATE;
    info.fType = MFT_RADIOCHECK;
    info.fState = MFS_CHECKED | MFS_DEFAULT;
    info.wID = 5;
    info.dwTypeData = "five";
    ASSERT_TRUE(InsertMenuItem(menu, 0, TRUE, &info));
    EXPECT_EQ(GetMenuItemCount(menu), 3);
    EXPECT_EQ(GetMenuItemID(menu, 0), 5u);
    EXPECT_EQ(GetMenuItemID(menu, 2), 0xFFFFFFFFu) << "a sub-menu item has no id";
    EXPECT_EQ(GetSubMenu(menu, 2), sub);

    MENUITEMINFO disable;
    disable.fMask = MIIM_STATE;
    disable.fState = MFS_GRAYED;
    EXPECT_TRUE(SetMenuItemInfo(menu, 30, FALSE, &disable)) << "by command, found in the sub-menu";
    EXPECT_FALSE(SetMenuItemInfo(menu, 99, FALSE, &disable));

    EXPECT_TRUE(RemoveMenu(menu, 2, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(sub)) << "RemoveMenu keeps the sub-menu";
    AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "sub");
    EXPECT_TRUE(DeleteMenu(menu, 2, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(sub)) << "DeleteMenu destroys it";
    EXPECT_TRUE(DeleteMenu(menu, 10, MF_BYCOMMAND));
    EXPECT_EQ(GetMenuItemCount(menu), 1);
    DestroyMenu(menu);
    EXPECT_EQ(GetMenuItemCount(menu), -1);
    EXPECT_FALSE(AppendMenu(menu, MF_STRING, 1, "stale"));
}

TEST_F(MenuTest, LiveObjectsReturnToTheirCountAfterAHundredMenuOpenings) {
    HMENU menu = OwnerDrawnPopup({101});
    AppendMenu(menu, MF_STRING | MF_CHECKED, 102, "Text item\tCtrl+T");
    AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    whenDrawn = [&](const DrawnItem& d) {
        if (d.action == ODA_DRAWENTIRE) testdriver::PressKey(VK_ESCAPE);
    };
    TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, owner.hwnd(), nullptr);
    const gdi::LiveObjects before = gdi::CountLiveObjects();
    for (int i = 0; i < 100; ++i) TrackPopupMenu(menu, TPM_RETURNCMD, 10 + i, 10, 0, owner.hwnd(), nullptr);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(gdi::CountLiveObjects(), before);
    DestroyMenu(menu);
}

}  // namespace
