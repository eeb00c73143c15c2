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
