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
// A key-down while the key is already down is an auto-repeat (lParam bit 30 set).
void InputKey(int virtualKey, bool down);
// UTF-8 text: one WM_CHAR per code point, to the focus window.
void InputText(const char* utf8);
// Forgets pressed keys and buttons and the double-click history (tests start clean).
void ResetInputState();

}  // namespace user
