#include <gtest/gtest.h>

#include "TestWindow.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Settings.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

using namespace win;
using usertest::TestWindow;

namespace {

class InputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        user::ResetInputState();
        testdriver::PumpUntilIdle();
    }
};

TEST_F(InputTest, MouseMessagesCarryClientCoordinatesOfTheWindowUnderThePoint) {
    TestWindow parent(RECT{100, 100, 200, 200}, WS_BORDER);
    TestWindow child(RECT{10, 10, 50, 50}, 0, parent.hwnd());
    testdriver::Click(POINT{101 + 10 + 5, 101 + 10 + 7});
    testdriver::PumpUntilIdle();
    EXPECT_EQ(child.receivedIds({WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}),
              (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
    const MSG down = *child.last(WM_LBUTTONDOWN);
    EXPECT_EQ(GET_X_LPARAM(down.lParam), 5);
    EXPECT_EQ(GET_Y_LPARAM(down.lParam), 7);
    EXPECT_EQ(down.wParam & MK_LBUTTON, MK_LBUTTON);
    EXPECT_TRUE(parent.receivedIds({WM_LBUTTONDOWN}).empty());
}

TEST_F(InputTest, PressesOutsideTheClientAreaAreNonClientMessages) {
    TestWindow window(RECT{100, 100, 200, 200}, WS_CAPTION);
    TestWindow child(RECT{10, 10, 50, 50}, WS_BORDER, window.hwnd());
    testdriver::Click(POINT{150, 110});            // in the caption: frame 3, caption 19
    testdriver::Click(POINT{103 + 10, 122 + 30});  // on the child's left border
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(window.receivedIds({WM_LBUTTONDOWN, WM_LBUTTONUP}).empty());
    EXPECT_EQ(window.receivedIds({WM_NCLBUTTONDOWN, WM_NCLBUTTONUP}),
              (std::vector<UINT>{WM_NCLBUTTONDOWN, WM_NCLBUTTONUP}));
    EXPECT_EQ(window.last(WM_NCLBUTTONDOWN)->wParam, HTCAPTION);
    EXPECT_EQ(GET_X_LPARAM(window.last(WM_NCLBUTTONDOWN)->lParam), 150) << "screen coordinates";
    ASSERT_TRUE(child.last(WM_NCLBUTTONDOWN).has_value());
    EXPECT_EQ(child.last(WM_NCLBUTTONDOWN)->wParam, HTBORDER);
    EXPECT_TRUE(child.receivedIds({WM_LBUTTONDOWN}).empty());
}

TEST_F(InputTest, At120DpiTheCaptionAndFramesAreHitWhereTheyAreScaledTo) {
    testdriver::ScopedSettings settings;
    testdriver::SetDpi(120);
    // Frame 4 and caption 24 (3 and 19 at 96 dpi): the client area starts 28 pixels down.
    TestWindow window(RECT{100, 100, 200, 200}, WS_CAPTION);
    testdriver::Click(POINT{150, 127});  // the caption's last row: the client area at 96 dpi
    testdriver::Click(POINT{103, 150});  // the frame's innermost column
    testdriver::Click(POINT{104, 128});  // the client area's first pixel
    testdriver::PumpUntilIdle();
    std::vector<MSG> presses;
    for (const MSG& m : window.received())
        if (m.message == WM_NCLBUTTONDOWN || m.message == WM_LBUTTONDOWN) presses.push_back(m);
    ASSERT_EQ(presses.size(), 3u);
    EXPECT_EQ(presses[0].message, WM_NCLBUTTONDOWN);
    EXPECT_EQ(presses[0].wParam, HTCAPTION);
    EXPECT_EQ(presses[1].message, WM_NCLBUTTONDOWN);
    EXPECT_EQ(presses[1].wParam, HTBORDER);
    EXPECT_EQ(presses[2].message, WM_LBUTTONDOWN);
    EXPECT_EQ(GET_X_LPARAM(presses[2].lParam), 0);
    EXPECT_EQ(GET_Y_LPARAM(presses[2].lParam), 0);
}

TEST_F(InputTest, DoubleClicksGoOnlyToWindowsThatAskForThem) {
    TestWindow wants(RECT{0, 0, 50, 50});
    testdriver::DoubleClick(POINT{10, 10});
    testdriver::PumpUntilIdle();
    EXPECT_EQ(wants.receivedIds({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}));

    // Without CS_DBLCLKS the second press is a plain press.
    const HWND plain = CreateWindowEx(0, usertest::TestClassNameNoDoubleClicks(), "", WS_POPUP | WS_VISIBLE, 100, 0, 50,
                                      50, nullptr, nullptr, nullptr);
    ASSERT_NE(plain, nullptr);
    int downs = 0;
    int doubles = 0;
    testdriver::DoubleClick(POINT{110, 10});
    MSG msg;
    while (PeekMessage(&msg, plain, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, PM_REMOVE)) {
        downs += msg.message == WM_LBUTTONDOWN;
        doubles += msg.message == WM_LBUTTONDBLCLK;
    }
    EXPECT_EQ(downs, 2);
    EXPECT_EQ(doubles, 0);
    DestroyWindow(plain);
}

TEST_F(InputTest, HeldKeyAutoRepeatsAndKeyStateFollowsTheMessages) {
    TestWindow window(RECT{0, 0, 50, 50});
    SetFocus(window.hwnd());
    std::vector<short> stateSeen;
    window.onMessage([&](UINT msg, WPARAM, LPARAM, LRESULT*) {
        if (msg == WM_KEYDOWN || msg == WM_KEYUP) stateSeen.push_back(GetKeyState(VK_SPACE));
        return false;
    });
    testdriver::HoldKey(VK_SPACE, 3);
    EXPECT_EQ(GetKeyState(VK_SPACE) & 0x8000, 0) << "nothing retrieved yet";
    testdriver::PumpUntilIdle();
    const auto keys = window.receivedIds({WM_KEYDOWN, WM_KEYUP});
    EXPECT_EQ(keys, (std::vector<UINT>{WM_KEYDOWN, WM_KEYDOWN, WM_KEYDOWN, WM_KEYDOWN, WM_KEYUP}));
    std::vector<bool> repeatBits;
    for (const MSG& m : window.received())
        if (m.message == WM_KEYDOWN) repeatBits.push_back((m.lParam >> 30) & 1);
    EXPECT_EQ(repeatBits, (std::vector<bool>{false, true, true, true}));
    ASSERT_EQ(stateSeen.size(), 5u);
    EXPECT_NE(stateSeen[0] & 0x8000, 0);
    EXPECT_EQ(stateSeen[4] & 0x8000, 0);
}

TEST_F(InputTest, FocusMovesWithKillAndSetFocus) {
    TestWindow a(RECT{0, 0, 20, 20});
    TestWindow b(RECT{30, 0, 50, 20});
    SetFocus(a.hwnd());
    a.clear();
    b.clear();
    EXPECT_EQ(SetFocus(b.hwnd()), a.hwnd());
    EXPECT_EQ(GetFocus(), b.hwnd());
    ASSERT_TRUE(a.last(WM_KILLFOCUS).has_value());
    EXPECT_EQ(reinterpret_cast<HWND>(a.last(WM_KILLFOCUS)->wParam), b.hwnd());
    ASSERT_TRUE(b.last(WM_SETFOCUS).has_value());
    testdriver::TypeText("a中");
    testdriver::PumpUntilIdle();
    std::vector<WPARAM> chars;
    for (const MSG& m : b.received())
        if (m.message == WM_CHAR) chars.push_back(m.wParam);
    EXPECT_EQ(chars, (std::vector<WPARAM>{'a', 0x4E2D}));
}

TEST_F(InputTest, CaptureTakesTheMouseEvenOutsideTheWindow) {
    TestWindow captor(RECT{0, 0, 20, 20});
    TestWindow other(RECT{100, 100, 150, 150});
    SetCapture(captor.hwnd());
    testdriver::MoveMouse(POINT{120, 130});
    testdriver::PumpUntilIdle();
    ASSERT_TRUE(captor.last(WM_MOUSEMOVE).has_value());
    EXPECT_EQ(GET_X_LPARAM(captor.last(WM_MOUSEMOVE)->lParam), 120);
    EXPECT_TRUE(other.receivedIds({WM_MOUSEMOVE}).empty());
    ReleaseCapture();
    EXPECT_TRUE(captor.last(WM_CAPTURECHANGED).has_value());
    testdriver::MoveMouse(POINT{121, 130});
    testdriver::PumpUntilIdle();
    EXPECT_FALSE(other.receivedIds({WM_MOUSEMOVE}).empty());
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 121);
}

TEST_F(InputTest, PressingAnotherTopLevelWindowActivatesIt) {
    TestWindow first(RECT{0, 0, 40, 40}, WS_CAPTION);
    TestWindow second(RECT{100, 0, 140, 40}, WS_CAPTION);
    EXPECT_EQ(GetActiveWindow(), second.hwnd()) << "showing a window activates it";
    first.clear();
    second.clear();
    testdriver::Click(POINT{20, 30});
    EXPECT_EQ(GetActiveWindow(), first.hwnd());
    ASSERT_TRUE(first.last(WM_ACTIVATE).has_value());
    EXPECT_EQ(LOWORD(first.last(WM_ACTIVATE)->wParam), WA_ACTIVE);
    EXPECT_EQ(LOWORD(second.last(WM_ACTIVATE)->wParam), WA_INACTIVE);
    testdriver::PumpUntilIdle();
}

TEST_F(InputTest, DisabledWindowsTakeNoMouseInput) {
    TestWindow owner(RECT{0, 0, 100, 100});
    TestWindow button(RECT{10, 10, 30, 30}, 0, owner.hwnd());
    EnableWindow(button.hwnd(), FALSE);
    testdriver::Click(POINT{15, 15});
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(button.receivedIds({WM_LBUTTONDOWN}).empty());
    EXPECT_EQ(owner.receivedIds({WM_LBUTTONDOWN}).size(), 1u) << "the click belongs to the parent";

    EnableWindow(owner.hwnd(), FALSE);  // as under a modal window
    owner.clear();
    testdriver::Click(POINT{50, 50});
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(owner.receivedIds({WM_LBUTTONDOWN, WM_MOUSEMOVE}).empty());
}

// Popup menus and drop-down lists are topmost windows: they stay in front and a press on them leaves the
// activation where it was.
TEST_F(InputTest, ATopmostWindowStaysInFrontAndAPressOnItActivatesNothing) {
    TestWindow topmost(RECT{50, 50, 150, 150}, 0, nullptr, WS_EX_TOPMOST);
    TestWindow first(RECT{0, 0, 100, 100}, WS_CAPTION);
    TestWindow second(RECT{80, 80, 180, 180}, WS_CAPTION);
    EXPECT_EQ(WindowFromPoint(POINT{90, 90}), topmost.hwnd()) << "windows shown later stay behind it";

    testdriver::Click(POINT{10, 30});
    testdriver::PumpUntilIdle();
    ASSERT_EQ(GetActiveWindow(), first.hwnd());
    EXPECT_EQ(WindowFromPoint(POINT{60, 60}), topmost.hwnd()) << "an activated window stays behind it";
    EXPECT_EQ(WindowFromPoint(POINT{170, 170}), second.hwnd());

    topmost.clear();
    testdriver::Click(POINT{120, 120});
    testdriver::PumpUntilIdle();
    EXPECT_EQ(topmost.receivedIds({WM_LBUTTONDOWN, WM_LBUTTONUP}), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_EQ(GetActiveWindow(), first.hwnd());
    EXPECT_FALSE(topmost.last(WM_ACTIVATE).has_value());
}

TEST_F(InputTest, KeysGoToTheActiveWindowWhileNoWindowHasTheFocus) {
    TestWindow window(RECT{0, 0, 100, 100}, WS_CAPTION);
    auto* child = new TestWindow(RECT{10, 10, 50, 30}, 0, window.hwnd());
    SetFocus(child->hwnd());
    testdriver::PressKey('A');
    testdriver::PumpUntilIdle();
    EXPECT_EQ(child->receivedIds({WM_KEYDOWN}).size(), 1u);

    delete child;
    EXPECT_EQ(GetFocus(), nullptr) << "the focus goes with its window";
    window.clear();
    testdriver::ReleaseKey('A');
    testdriver::TypeText("b");
    testdriver::PumpUntilIdle();
    EXPECT_EQ(window.receivedIds({WM_KEYUP, WM_CHAR}), (std::vector<UINT>{WM_KEYUP, WM_CHAR}));
}

TEST_F(InputTest, ClosingTheActiveWindowActivatesItsOwner) {
    TestWindow main(RECT{0, 0, 100, 100}, WS_CAPTION);
    const HWND dialog = CreateWindowEx(0, usertest::TestClassName(), "", WS_CAPTION | WS_VISIBLE, 20, 20, 50, 50,
                                       main.hwnd(), nullptr, nullptr);
    EXPECT_EQ(GetActiveWindow(), dialog);
    main.clear();
    DestroyWindow(dialog);
    EXPECT_EQ(GetActiveWindow(), main.hwnd());
    ASSERT_TRUE(main.last(WM_ACTIVATE).has_value());
    EXPECT_EQ(LOWORD(main.last(WM_ACTIVATE)->wParam), WA_ACTIVE);
}

}  // namespace

namespace {

TEST_F(InputTest, TheWheelGoesToTheWindowUnderTheCursorAndUpToAParentThatScrolls) {
    TestWindow parent(RECT{100, 100, 300, 300});
    TestWindow child(RECT{10, 10, 60, 60}, 0, parent.hwnd());
    testdriver::PressKey(VK_SHIFT);
    testdriver::Wheel(POINT{120, 125}, -2);
    testdriver::ReleaseKey(VK_SHIFT);
    testdriver::PumpUntilIdle();
    // The child lets its window procedure's default pass it on; the parent gets the very same turn.
    for (const TestWindow* window : {&child, &parent}) {
        ASSERT_TRUE(window->last(WM_MOUSEWHEEL).has_value());
        const MSG wheel = *window->last(WM_MOUSEWHEEL);
        EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheel.wParam), -2 * WHEEL_DELTA);
        EXPECT_EQ(LOWORD(wheel.wParam) & MK_SHIFT, MK_SHIFT);
        EXPECT_EQ(GET_X_LPARAM(wheel.lParam), 120) << "screen coordinates";
        EXPECT_EQ(GET_Y_LPARAM(wheel.lParam), 125);
    }
    // A child that scrolls keeps it.
    child.onMessage([](UINT msg, WPARAM, LPARAM, LRESULT* result) {
        *result = 0;
        return msg == WM_MOUSEWHEEL;
    });
    parent.clear();
    testdriver::Wheel(POINT{120, 125}, 1);
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(parent.receivedIds({WM_MOUSEWHEEL}).empty());
    // Over the parent alone.
    testdriver::Wheel(POINT{250, 250}, 1);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(parent.receivedIds({WM_MOUSEWHEEL}).size(), 1u);
}

}  // namespace
