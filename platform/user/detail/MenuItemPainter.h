#pragma once
// Measuring and drawing single menu items: owner-drawn ones through their owner window, the others in the classic
// look.
#include "platform/user/Types.h"

namespace user::detail {

using namespace win;

struct MenuItem;

// Owner-drawn items get WM_MEASUREITEM, starting from width 0 and the default height.
SIZE MeasureMenuItem(HWND owner, const MenuItem& item, bool bar);
// r is in the coordinates of windowDC (a window DC of the window showing the menu).
void DrawMenuItem(HWND owner, HMENU menu, const MenuItem& item, HDC windowDC, const RECT& r, bool selected, bool bar,
                  UINT action);
// The font menus are drawn and measured with.
HFONT MenuFont();

}  // namespace user::detail
