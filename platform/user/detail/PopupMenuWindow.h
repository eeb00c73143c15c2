#pragma once
// The top-level window that shows one open popup menu. Its state is kept by the layer, never in the window's
// user-data slot, which stays free for applications.
#include "platform/user/Types.h"

namespace user::detail {

using namespace win;

// Lays the menu out (owner-drawn items measured through owner) and creates the window, hidden, with its top-left
// corner at `at`, moved to stay on the screen. The flags are TrackPopupMenu's alignment flags.
HWND CreatePopupMenuWindow(HWND owner, HMENU menu, POINT at, UINT flags);
void DestroyPopupMenuWindow(HWND popup);
HMENU PopupMenuOf(HWND popup);
int PopupSelection(HWND popup);
// Redraws the old and the new selected item at once; -1, or a separator, selects nothing.
void SelectPopupItem(HWND popup, int index);
// The item under a screen point, or -1.
int PopupItemAt(HWND popup, POINT screen);
bool PopupContains(HWND popup, POINT screen);

}  // namespace user::detail
