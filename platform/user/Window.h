#pragma once
// Windows: classes, creation and destruction, the parent/child tree with z-order, geometry and coordinate mapping,
// window procedures and their slots. A window belongs to the thread that created it; only posting
// (platform/user/MessageLoop.h) may come from other threads.
#include "platform/user/Types.h"

namespace win {

using ATOM = WORD;

struct WNDCLASS {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    // A brush, or (HBRUSH)(COLOR_xxx + 1) for a system colour; 0 leaves erasing to the window.
    HBRUSH hbrBackground = nullptr;
    const char* lpszClassName = nullptr;
};

struct CREATESTRUCT {
    void* lpCreateParams = nullptr;
    HMENU hMenu = nullptr;
    HWND hwndParent = nullptr;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    LONG style = 0;
    const char* lpszName = nullptr;
    const char* lpszClass = nullptr;
    DWORD dwExStyle = 0;
};

struct WINDOWPOS {
    HWND hwnd = nullptr;
    HWND hwndInsertAfter = nullptr;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
};

// 0 when the name is empty or taken.
ATOM RegisterClass(const WNDCLASS* wc);

// A child window (WS_CHILD) is placed in its parent's client coordinates and `menu` is its id; a top-level window
// is placed in screen coordinates, `parent` is its owner and `menu` its menu bar. WM_CREATE returning -1 fails.
HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menu, void* param);
// Sends WM_DESTROY to the window and then to its children; posted messages for them are dropped.
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);

BOOL ShowWindow(HWND hwnd, int command);  // returns whether the window was visible before
BOOL IsWindowVisible(HWND hwnd);          // the window and all its ancestors
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL BringWindowToTop(HWND hwnd);

HWND GetParent(HWND hwnd);
HWND GetWindow(HWND hwnd, UINT relation);
BOOL IsChild(HWND parent, HWND hwnd);
inline constexpr UINT GA_PARENT = 1;
inline constexpr UINT GA_ROOT = 2;
HWND GetAncestor(HWND hwnd, UINT flags);

BOOL GetWindowRect(HWND hwnd, RECT* rect);  // screen coordinates
BOOL GetClientRect(HWND hwnd, RECT* rect);  // (0, 0, width, height)
BOOL ClientToScreen(HWND hwnd, POINT* point);
BOOL ScreenToClient(HWND hwnd, POINT* point);
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
// The deepest visible window under a screen point; disabled children and window regions are respected.
HWND WindowFromPoint(POINT point);

LONG_PTR GetWindowLong(HWND hwnd, int index);
// Returns the previous value; replacing GWL_WNDPROC from inside the running procedure is allowed.
LONG_PTR SetWindowLong(HWND hwnd, int index, LONG_PTR value);
LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

BOOL SetWindowText(HWND hwnd, const char* text);
int GetWindowText(HWND hwnd, char* buffer, int size);
int GetClassName(HWND hwnd, char* buffer, int size);

}  // namespace win
