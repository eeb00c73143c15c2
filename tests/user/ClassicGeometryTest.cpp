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

TEST(ClassicGeometry, MetricsAtNinetySixDpi) {
    EXPECT_EQ(GetSystemMetrics(SM_CXHTHUMB), 16);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 16);
    EXPECT_EQ(GetSystemMetrics(SM_CYMENU), 19);
    EXPECT_EQ(GetSystemMetrics(SM_CXEDGE), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CXBORDER), 1);
    EXPECT_EQ(GetSystemMetrics(SM_CXFIXEDFRAME), 3);
    EXPECT_EQ(GetSystemMetrics(SM_CXMENUCHECK), 13);
    EXPECT_EQ(GetSystemMetrics(9999), 0);
    EXPECT_EQ(user::classic::kPopupMargin, 3);
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
