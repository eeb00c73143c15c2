#pragma once
// Keyboard and mouse state, focus, capture and activation; and the entry points through which presenters and
// tests feed input in.
#include "platform/user/Types.h"

namespace win {

// Bit 0x8000: down as of the last key or mouse message taken off the queue; bit 1: toggled.
short GetKeyState(int virtualKey);

HWND SetFocus(HWND hwnd);  // returns the previous focus
HWND GetFocus();
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
// Top-level windows only; sends WM_ACTIVATE to the old and the new window.
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();

BOOL GetCursorPos(POINT* point);
BOOL SetCursorPos(int x, int y);

}  // namespace win

namespace user {

enum class MouseButton { Left, Right };

// Screen coordinates. Input goes to the capture window, else to the window under the point, outside its client area
// as non-client messages (hit-test code, screen coordinates). It is posted, so it arrives in order with the other
// posted messages.
void InputMouseMove(win::POINT screen);
void InputMouseButton(MouseButton button, bool down, win::POINT screen);
// The wheel under the pointer turned by delta (WHEEL_DELTA per notch, positive away from the user).
void InputMouseWheel(int delta);
// A key-down while the key is already down is an auto-repeat (lParam bit 30 set). While Alt is held (without
// Ctrl), and for F10 and Alt itself, keys arrive as WM_SYSKEYDOWN / WM_SYSKEYUP, and a letter or digit pressed with
// Alt also as WM_SYSCHAR.
void InputKey(int virtualKey, bool down);
// UTF-8 text: one WM_CHAR per code point, to the focus window. Text typed with Alt held is dropped: the key
// already came as WM_SYSCHAR.
void InputText(const char* utf8);
// The display made one of the program's top-level windows the user's choice (a click, a window manager): it
// becomes the active window, or, while it is disabled (its modal window runs), the window it waits on does.
void InputActivate(win::HWND topLevel);
// The user asked a top-level window to close (its close box, a window manager's key). A disabled window ignores it
// and brings the window it waits on forward instead.
void InputClose(win::HWND topLevel);
// Forgets pressed keys and buttons and the double-click history (tests start clean).
void ResetInputState();

}  // namespace user
