#pragma once
// The menu bar in a top-level window's non-client area.
#include "platform/gdi/Palette.h"
#include "platform/user/Types.h"

namespace user::detail {

using namespace win;

struct WindowRecord;

// The height of the bar as last laid out; 0 without a menu.
int MenuBarHeight(const WindowRecord& w);
// Measures the items and places them left to right under the caption, in window coordinates.
void LayoutMenuBar(HWND hwnd);
// Paints the whole bar on a window DC; items in the classic look take the palette's colours.
void PaintMenuBar(HWND hwnd, HDC windowDC, const gdi::Palette& palette = gdi::Palette::System());
void PaintMenuBarItem(HWND hwnd, HDC windowDC, int index, bool selected, UINT action,
                      const gdi::Palette& palette = gdi::Palette::System());
// The bar item under a screen point, or -1.
int MenuBarItemAt(HWND hwnd, POINT screen);

}  // namespace user::detail
