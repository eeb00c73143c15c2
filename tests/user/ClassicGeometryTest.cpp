#include <gtest/gtest.h>

#include "platform/testing/Settings.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/SystemMetrics.h"
#include "platform/user/WindowStyles.h"

using namespace win;

namespace {

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(ClassicGeometry, FramesPerStyle) {
    using user::classic::NonClientInsets;
    EXPECT_TRUE(Same(NonClientInsets(WS_POPUP, 0), RECT{0, 0, 0, 0}));
    EXPECT_TRUE(Same(NonClientInsets(WS_CHILD | WS_BORDER, 0), RECT{1, 1, 1, 1})) << "Ctl3D off: one black line";
    EXPECT_TRUE(Same(NonClientInsets(WS_CHILD, WS_EX_CLIENTEDGE), RECT{2, 2, 2, 2})) << "Ctl3D on: sunken, 2 px";
    EXPECT_TRUE(Same(NonClientInsets(WS_POPUP | WS_DLGFRAME, 0), RECT{3, 3, 3, 3})) << "popup menu windows";
    EXPECT_TRUE(Same(NonClientInsets(WS_OVERLAPPEDWINDOW, 0), RECT{4, 23, 4, 4}));
    EXPECT_TRUE(Same(NonClientInsets(WS_CAPTION, 0), RECT{3, 22, 3, 3}));
}

// Code that paints over the classic look reads these metrics: each must be what windows really get.
TEST(ClassicGeometry, MetricsAreTheFramesWindowsGet) {
    using user::classic::NonClientInsets;
    EXPECT_EQ(NonClientInsets(WS_CHILD | WS_BORDER, 0).left, GetSystemMetrics(SM_CXBORDER));
    EXPECT_EQ(NonClientInsets(WS_CHILD, WS_EX_CLIENTEDGE).top, GetSystemMetrics(SM_CYEDGE));
    EXPECT_EQ(NonClientInsets(WS_POPUP | WS_DLGFRAME, 0).left, GetSystemMetrics(SM_CXFIXEDFRAME));
    const RECT overlapped = NonClientInsets(WS_OVERLAPPEDWINDOW, 0);
    EXPECT_EQ(overlapped.left, GetSystemMetrics(SM_CXFRAME));
    EXPECT_EQ(overlapped.top, GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(GetSystemMetrics(9999), 0) << "an unknown metric";
}

// Sizes scale by dpi / 96 to the nearest pixel, halves up; edges drawn as lines stay lines.
TEST(ClassicGeometry, MetricsAndFramesFollowTheDisplayResolution) {
    using user::classic::NonClientInsets;
    testdriver::ScopedSettings settings;
    testdriver::SetDpi(120);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 24);  // 23.75
    EXPECT_EQ(GetSystemMetrics(SM_CYMENU), 24);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 20);
    EXPECT_EQ(GetSystemMetrics(SM_CYVTHUMB), 20);
    EXPECT_EQ(GetSystemMetrics(SM_CXFRAME), 5);       // 5
    EXPECT_EQ(GetSystemMetrics(SM_CXFIXEDFRAME), 4);  // 3.75
    EXPECT_EQ(GetSystemMetrics(SM_CXMENUCHECK), 16);  // 16.25
    EXPECT_EQ(GetSystemMetrics(SM_CXBORDER), 1);
    EXPECT_EQ(GetSystemMetrics(SM_CXEDGE), 2);
    EXPECT_TRUE(Same(NonClientInsets(WS_OVERLAPPEDWINDOW, 0), RECT{5, 29, 5, 5}));
    EXPECT_TRUE(Same(NonClientInsets(WS_CAPTION, WS_EX_CLIENTEDGE), RECT{6, 30, 6, 6}));
    const user::classic::Geometry& g = user::classic::Current();
    EXPECT_EQ(g.ownerDrawDefaultHeight, 23) << "22.5 rounds up";
    EXPECT_EQ(g.popupSeparatorHeight, 10);
    EXPECT_EQ(g.popupMargin, g.fixedFrame) << "a popup menu's items sit inside its fixed frame";
    EXPECT_EQ(g.ownerDrawPopupExtraWidth, g.menuCheckSize - 1);

    EXPECT_EQ(user::classic::GeometryAt(144).captionHeight, 29);  // 28.5
    EXPECT_EQ(user::classic::GeometryAt(144).checkBoxSize, 20);   // 19.5
    EXPECT_EQ(user::classic::GeometryAt(192).checkBoxCaptionGap, 8);
    EXPECT_EQ(user::classic::GeometryAt(144).tabExtraHeight, 12);
    EXPECT_EQ(user::classic::GeometryAt(72).scrollBarSize, 12);

    testdriver::SetDpi(96);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19) << "back to the 96-dpi sizes";
    EXPECT_TRUE(Same(NonClientInsets(WS_OVERLAPPEDWINDOW, 0), RECT{4, 23, 4, 4}));
}

TEST(ClassicGeometry, VersionIsNt50UnlessInjected) {
    testdriver::ScopedSettings settings;
    OSVERSIONINFO info;
    ASSERT_TRUE(GetVersionEx(&info));
    EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);
    EXPECT_EQ(info.dwMajorVersion, 5u);
    EXPECT_EQ(info.dwMinorVersion, 0u);
    testdriver::SetOsVersion(5, 1);
    ASSERT_TRUE(GetVersionEx(&info));
    EXPECT_EQ(info.dwMinorVersion, 1u);
    info.dwOSVersionInfoSize = 100;
    EXPECT_FALSE(GetVersionEx(&info)) << "a record of the wrong size is refused";
}

}  // namespace
