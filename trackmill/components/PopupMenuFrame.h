#pragma once
// The flat frame of a popup menu's window: a one-pixel border over the native frame, a band that continues the
// icon column, the native top margin covered, and (except on Windows XP) a two-pixel shadow at the right and the
// bottom cut out by a window region. The window is subclassed until it hides, closes or is destroyed.
#include "platform/user/Types.h"

namespace components {

class TFlatLook;

// What menu item painting posts to the application window to have a popup menu's frame drawn. The item request
// carries the item's command id (never a pointer: the item may be gone when the request arrives); the window
// request carries the right-to-left flag and the popup window.
inline constexpr win::UINT kFrameRequestItem = 48307;
inline constexpr win::UINT kFrameRequestWindow = 48308;

// Draws the frame of window with menu's colours; rtl is the menu's right-to-left flag. Does nothing while a frame
// is being drawn.
void DrawPopupFrame(TFlatLook& menu, win::HWND window, bool rtl);
win::LRESULT PopupMenuWndProc(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);

}  // namespace components
