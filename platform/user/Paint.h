#pragma once
// Invalidation and the paint sequence, device contexts over windows, and window regions.
#include "platform/user/Types.h"

namespace win {

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = FALSE;  // TRUE when WM_ERASEBKGND was not answered with non-zero
    RECT rcPaint{};
};

// rect in client coordinates, null for the whole client area. Children under the rectangle are invalidated too.
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase);
// Delivers pending WM_NCPAINT, WM_ERASEBKGND and WM_PAINT, in that order, now, bypassing the queue; children follow
// their parent.
BOOL UpdateWindow(HWND hwnd);

// Validates the update region. The loop erases before WM_PAINT; fErase tells that WM_ERASEBKGND returned 0.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);

// A client-area DC; GetDC(0) gives a DC for measuring that belongs to no window.
HDC GetDC(HWND hwnd);
// A DC whose origin is the window's top-left corner, reaching the non-client area.
HDC GetWindowDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC dc);
// The window a window DC or client DC draws on; 0 for memory DCs and stale handles.
HWND WindowFromDC(HDC dc);

// The window takes ownership of rgn (window coordinates); 0 removes the region. The region clips painting,
// hit-testing and the composed screen.
int SetWindowRgn(HWND hwnd, HRGN rgn, BOOL redraw);
// Copies the window's region into rgn; ERROR when the window has none.
int GetWindowRgn(HWND hwnd, HRGN rgn);

}  // namespace win
