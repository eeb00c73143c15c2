#include <gtest/gtest.h>

#include <string>

#include "TestWindow.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

using namespace win;
using usertest::TestWindow;

namespace {

constexpr UINT kPing = WM_USER + 2;

std::string trail;
WNDPROC savedProc = nullptr;

LRESULT OuterProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kPing) trail += "outer;";
    return CallWindowProc(savedProc, hwnd, msg, wParam, lParam);
}

// Takes itself out at the first ping, as a subclasser does when it is switched off.
LRESULT SelfRemovingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kPing) {
        trail += "leaving;";
        SetWindowLong(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(savedProc));
    }
    return CallWindowProc(savedProc, hwnd, msg, wParam, lParam);
}

class WindowProcTest : public ::testing::Test {
  protected:
    void SetUp() override {
        trail.clear();
        window.onMessage([](UINT msg, WPARAM, LPARAM, LRESULT* result) {
            if (msg != kPing) return false;
            trail += "class;";
            *result = 77;
            return true;
        });
    }
    TestWindow window{RECT{0, 0, 40, 40}};
};

TEST_F(WindowProcTest, SubclassingChainsAndRestores) {
    savedProc =
        reinterpret_cast<WNDPROC>(SetWindowLong(window.hwnd(), GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&OuterProc)));
    EXPECT_EQ(savedProc, &TestWindow::Procedure);
    EXPECT_EQ(GetWindowLong(window.hwnd(), GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&OuterProc));
    EXPECT_EQ(SendMessage(window.hwnd(), kPing, 0, 0), 77) << "the result comes back through the chain";
    PostMessage(window.hwnd(), kPing, 0, 0);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(trail, "outer;class;outer;class;");

    SetWindowLong(window.hwnd(), GWL_WNDPROC, reinterpret_cast<LONG_PTR>(savedProc));
    trail.clear();
    SendMessage(window.hwnd(), kPing, 0, 0);
    EXPECT_EQ(trail, "class;");
}

TEST_F(WindowProcTest, AProcedureMayRestoreThePreviousOneFromInsideItself) {
    savedProc = reinterpret_cast<WNDPROC>(
        SetWindowLong(window.hwnd(), GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&SelfRemovingProc)));
    SendMessage(window.hwnd(), kPing, 0, 0);
    SendMessage(window.hwnd(), kPing, 0, 0);
    EXPECT_EQ(trail, "leaving;class;class;");
    EXPECT_EQ(GetWindowLong(window.hwnd(), GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&TestWindow::Procedure));
}

TEST_F(WindowProcTest, UserDataSlotBelongsToTheApplication) {
    EXPECT_EQ(GetWindowLong(window.hwnd(), GWL_USERDATA), 0);
    EXPECT_EQ(SetWindowLong(window.hwnd(), GWL_USERDATA, 1234), 0);
    EXPECT_EQ(GetWindowLong(window.hwnd(), GWL_USERDATA), 1234);
    EXPECT_EQ(SetWindowLong(window.hwnd(), GWL_WNDPROC, 0), 0) << "a null procedure is refused";
    EXPECT_EQ(GetWindowLong(window.hwnd(), GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&TestWindow::Procedure));
}

TEST(WindowTree, DestroyNotifiesParentThenReachesChildrenAndDropsThem) {
    TestWindow parent(RECT{0, 0, 100, 100});
    auto child = std::make_unique<TestWindow>(RECT{10, 10, 30, 30}, 0, parent.hwnd());
    TestWindow grandchild(RECT{1, 1, 5, 5}, 0, child->hwnd());
    EXPECT_EQ(GetParent(child->hwnd()), parent.hwnd());
    EXPECT_EQ(GetAncestor(grandchild.hwnd(), GA_ROOT), parent.hwnd());
    EXPECT_TRUE(IsChild(parent.hwnd(), grandchild.hwnd()));
    ASSERT_TRUE(parent.last(WM_PARENTNOTIFY).has_value());
    EXPECT_EQ(LOWORD(parent.last(WM_PARENTNOTIFY)->wParam), WM_CREATE);

    const HWND childHandle = child->hwnd();
    child.reset();
    EXPECT_EQ(LOWORD(parent.last(WM_PARENTNOTIFY)->wParam), WM_DESTROY);
    EXPECT_EQ(reinterpret_cast<HWND>(parent.last(WM_PARENTNOTIFY)->lParam), childHandle);
    EXPECT_FALSE(IsWindow(grandchild.hwnd())) << "children go with their parent";
    ASSERT_FALSE(grandchild.receivedIds({WM_DESTROY}).empty());
    EXPECT_EQ(GetWindow(parent.hwnd(), GW_CHILD), nullptr);
}

TEST(WindowTree, ChildZOrderIsFrontFirstAndCoordinatesMapThroughParents) {
    TestWindow parent(RECT{100, 50, 300, 250}, WS_BORDER);
    TestWindow first(RECT{10, 20, 60, 70}, 0, parent.hwnd());
    TestWindow second(RECT{30, 40, 90, 90}, 0, parent.hwnd());
    EXPECT_EQ(GetWindow(parent.hwnd(), GW_CHILD), second.hwnd()) << "a new child goes on top";
    EXPECT_EQ(GetWindow(second.hwnd(), GW_HWNDNEXT), first.hwnd());

    // Parent client origin: (100, 50) plus the 1-pixel border.
    POINT p{0, 0};
    ClientToScreen(first.hwnd(), &p);
    EXPECT_EQ(p.x, 111);
    EXPECT_EQ(p.y, 71);
    RECT r;
    GetWindowRect(second.hwnd(), &r);
    EXPECT_EQ(r.left, 131);
    EXPECT_EQ(r.top, 91);
    POINT q{5, 5};
    MapWindowPoints(first.hwnd(), second.hwnd(), &q, 1);
    EXPECT_EQ(q.x, 5 + 10 - 30);
    EXPECT_EQ(q.y, 5 + 20 - 40);

    // Overlap of the two children: the front one is hit.
    EXPECT_EQ(WindowFromPoint(POINT{101 + 40, 51 + 50}), second.hwnd());
    EXPECT_EQ(WindowFromPoint(POINT{101 + 15, 51 + 25}), first.hwnd());
    EXPECT_EQ(WindowFromPoint(POINT{101 + 150, 51 + 150}), parent.hwnd());
    BringWindowToTop(first.hwnd());
    EXPECT_EQ(WindowFromPoint(POINT{101 + 40, 51 + 50}), first.hwnd());
}

TEST(WindowTree, ResizingReportsThePositionThenTheClientSizeAndRepaints) {
    TestWindow window(RECT{0, 0, 40, 40}, WS_BORDER);
    testdriver::PumpUntilIdle();
    window.clear();
    SetWindowPos(window.hwnd(), nullptr, 5, 6, 60, 50, SWP_NOZORDER);
    EXPECT_EQ(window.receivedIds({WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}),
              (std::vector<UINT>{WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}));
    EXPECT_EQ(LOWORD(window.last(WM_SIZE)->lParam), 58);
    EXPECT_EQ(HIWORD(window.last(WM_SIZE)->lParam), 48);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(window.receivedIds({WM_NCPAINT, WM_PAINT}), (std::vector<UINT>{WM_NCPAINT, WM_PAINT}));
}

TEST(WindowTree, TextAndClassName) {
    TestWindow window(RECT{0, 0, 10, 10});
    ASSERT_TRUE(SetWindowText(window.hwnd(), "音频抓轨"));
    char buffer[64];
    EXPECT_EQ(GetWindowText(window.hwnd(), buffer, sizeof buffer), 12);
    EXPECT_STREQ(buffer, "音频抓轨");
    EXPECT_EQ(GetWindowText(window.hwnd(), buffer, 4), 3) << "cut to the buffer, zero-terminated";
    EXPECT_EQ(GetClassName(window.hwnd(), buffer, sizeof buffer), 10);
    EXPECT_STREQ(buffer, usertest::TestClassName());
}

TEST(WindowTree, HiddenWindowsAreNotHit) {
    TestWindow window(RECT{500, 500, 520, 520});
    EXPECT_EQ(WindowFromPoint(POINT{505, 505}), window.hwnd());
    ShowWindow(window.hwnd(), SW_HIDE);
    EXPECT_EQ(WindowFromPoint(POINT{505, 505}), nullptr);
    EXPECT_EQ(window.receivedIds({WM_SHOWWINDOW}).size(), 2u);
    EXPECT_EQ(window.last(WM_SHOWWINDOW)->wParam, static_cast<WPARAM>(FALSE));
}

}  // namespace
