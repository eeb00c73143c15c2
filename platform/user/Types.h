#pragma once
// Handle and parameter types of the window layer. Handles are opaque ids that are never reused.
#include "platform/gdi/Types.h"
#include "platform/win/Types.h"

namespace win {

struct HMENU__;
using HMENU = HMENU__*;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    POINT pt{};
};

}  // namespace win
