#pragma once
// Handle and parameter types of the window layer. Handles are opaque ids that are never reused.
#include <cstdint>

#include "platform/gdi/Types.h"

namespace win {

struct HWND__;
using HWND = HWND__*;
struct HMENU__;
using HMENU = HMENU__*;

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using ULONG_PTR = std::uintptr_t;

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
