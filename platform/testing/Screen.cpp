#include "platform/testing/Screen.h"

#include "platform/gdi/Surface.h"
#include "platform/present/PngWriter.h"
#include "platform/present/ScreenComposer.h"
#include "platform/user/SystemMetrics.h"
#include "platform/user/TopLevelWindows.h"
#include "platform/user/Window.h"

namespace testdriver {

namespace {

gdi::Surface Compose() {
    return present::ComposeScreen(win::GetSystemMetrics(win::SM_CXSCREEN), win::GetSystemMetrics(win::SM_CYSCREEN));
}

}  // namespace

win::COLORREF ScreenPixel(int x, int y) { return Compose().pixel(x, y); }

win::COLORREF WindowPixel(win::HWND hwnd, int x, int y) {
    const win::HWND top = win::GetAncestor(hwnd, win::GA_ROOT);
    auto surface = user::WindowSurface(top);
    win::RECT mine;
    win::RECT outer;
    if (!surface || !win::GetWindowRect(hwnd, &mine) || !win::GetWindowRect(top, &outer)) return win::CLR_INVALID;
    if (x < 0 || y < 0 || x >= mine.right - mine.left || y >= mine.bottom - mine.top) return win::CLR_INVALID;
    return surface->pixel(x + mine.left - outer.left, y + mine.top - outer.top);
}

std::string DumpScreenPng(const std::string& path) { return present::WritePng(Compose(), path); }

std::string DumpWindowPng(win::HWND hwnd, const std::string& path) {
    auto surface = user::WindowSurface(win::GetAncestor(hwnd, win::GA_ROOT));
    if (!surface) return "no such window";
    return present::WritePng(*surface, path);
}

}  // namespace testdriver
