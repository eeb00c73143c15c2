#pragma once
// Pixel read-back and PNG dumps of the composed screen and of single windows.
#include <string>

#include "platform/user/Types.h"

namespace testdriver {

// The virtual screen as composed now (windows back to front, regions applied).
win::COLORREF ScreenPixel(int x, int y);
// A pixel of a window's backing store, in window coordinates (non-client area included); CLR_INVALID outside.
win::COLORREF WindowPixel(win::HWND hwnd, int x, int y);
// Empty on success, otherwise the reason.
std::string DumpScreenPng(const std::string& path);
std::string DumpWindowPng(win::HWND hwnd, const std::string& path);

}  // namespace testdriver
