#include "platform/user/SystemMetrics.h"

#include <atomic>

#include "platform/user/ClassicGeometry.h"

namespace {

struct Settings {
    std::atomic<win::DWORD> major{5};
    std::atomic<win::DWORD> minor{0};
    std::atomic<int> screenWidth{1024};
    std::atomic<int> screenHeight{768};
};

Settings& settings() {
    static Settings s;
    return s;
}

}  // namespace

namespace win {

int GetSystemMetrics(int index) {
    using namespace user::classic;
    switch (index) {
        case SM_CXSCREEN:
            return settings().screenWidth;
        case SM_CYSCREEN:
            return settings().screenHeight;
        case SM_CXVSCROLL:
        case SM_CYHSCROLL:
        case SM_CYVTHUMB:
        case SM_CXHTHUMB:
        case SM_CYVSCROLL:
        case SM_CXHSCROLL:
            return Current().scrollBarSize;
        case SM_CYCAPTION:
            return Current().captionHeight;
        case SM_CXBORDER:
        case SM_CYBORDER:
            return kBorder;
        case SM_CXFIXEDFRAME:
        case SM_CYFIXEDFRAME:
            return Current().fixedFrame;
        case SM_CYMENU:
            return Current().menuBarHeight;
        case SM_CXFRAME:
        case SM_CYFRAME:
            return Current().sizingFrame;
        case SM_CXDOUBLECLK:
        case SM_CYDOUBLECLK:
            return kDoubleClickDistance;
        case SM_CXEDGE:
        case SM_CYEDGE:
            return kClientEdge;
        case SM_CXMENUCHECK:
        case SM_CYMENUCHECK:
            return Current().menuCheckSize;
        default:
            return 0;
    }
}

BOOL GetVersionEx(OSVERSIONINFO* info) {
    if (!info || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFO)) return FALSE;
    *info = OSVERSIONINFO{};
    info->dwMajorVersion = settings().major;
    info->dwMinorVersion = settings().minor;
    info->dwPlatformId = VER_PLATFORM_WIN32_NT;
    return TRUE;
}

}  // namespace win

namespace user {

void SetReportedVersion(win::DWORD major, win::DWORD minor) {
    settings().major = major;
    settings().minor = minor;
}

void SetScreenSize(int width, int height) {
    settings().screenWidth = width;
    settings().screenHeight = height;
}

void ResetSystemSettings() {
    SetReportedVersion(5, 0);
    SetScreenSize(1024, 768);
}

}  // namespace user
