#pragma once
// Measuring and drawing single menu items: owner-drawn ones through their owner window, the others in the classic
// look (platform/user/ClassicMenuItem.h).
#include "platform/gdi/Palette.h"
#include "platform/user/Types.h"

namespace user::detail {

using namespace win;

struct MenuItem;

// Owner-drawn items get WM_MEASUREITEM, starting from width 0 and the default height.
SIZE MeasureMenuItem(HWND owner, const MenuItem& item, bool bar);
// r is in the coordinates of windowDC (a window DC of the window showing the menu). The palette colours the items
// drawn in the classic look.
void DrawMenuItem(HWND owner, HMENU menu, const MenuItem& item, HDC windowDC, const RECT& r, bool selected, bool bar,
                  UINT action, const gdi::Palette& palette = gdi::Palette::System());

}  // namespace user::detail
