#include <utility>

#include "platform/gdi/DC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/Cursor.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"
#include "platform/user/detail/Dispatch.h"
#include "platform/user/detail/InputState.h"
#include "platform/user/detail/MenuTracker.h"
#include "platform/user/detail/NonClientPainter.h"
#include "platform/user/detail/WindowRecord.h"
#include "platform/user/detail/WindowTable.h"

namespace win {

using namespace user::detail;

namespace {

// Class backgrounds may name a system colour as (HBRUSH)(COLOR_xxx + 1).
void EraseWithClassBrush(const WindowRecord& w, HDC dc) {
    const auto value = reinterpret_cast<std::uintptr_t>(w.classBackground);
    if (!value) return;
    RECT client;
    GetClientRect(w.handle, &client);
    if (value <= static_cast<std::uintptr_t>(COLOR_MENUBAR) + 1)
        gdi::FillSolid(dc, client, GetSysColor(static_cast<int>(value) - 1));
    else
        FillRect(dc, &client, w.classBackground);
}

}  // namespace

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto w = Find(hwnd);
    if (!w) return 0;
    switch (msg) {
        case WM_NCPAINT: {
            HDC dc = GetWindowDC(hwnd);
            PaintNonClientArea(hwnd, dc);
            ReleaseDC(hwnd, dc);
            return 0;
        }
        case WM_ERASEBKGND:
            EraseWithClassBrush(*w, reinterpret_cast<HDC>(wParam));
            return w->classBackground ? 1 : 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(hwnd, &ps);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_WINDOWPOSCHANGED: {
            const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
            RECT client;
            GetClientRect(hwnd, &client);
            if (pos && !(pos->flags & SWP_NOMOVE)) Send(hwnd, WM_MOVE, 0, MAKELPARAM(pos->x, pos->y));
            if (pos && !(pos->flags & SWP_NOSIZE)) Send(hwnd, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && GetFocus() != hwnd && !IsChild(hwnd, GetFocus())) SetFocus(hwnd);
            return 0;
        case WM_SYSKEYDOWN:
            // Alt+F4 closes the window the keyboard is in, unless it waits on a window of its own.
            if (wParam == static_cast<WPARAM>(VK_F4)) {
                const HWND top = GetAncestor(hwnd, GA_ROOT);
                if (IsWindowEnabled(top)) PostMessage(top, WM_CLOSE, 0, 0);
            }
            if (wParam == static_cast<WPARAM>(VK_F10)) TrackMenuBarKey(hwnd, 0);
            return 0;
        case WM_SYSKEYUP:
            // Alt pressed and released alone selects the menu bar.
            if (wParam == static_cast<WPARAM>(VK_MENU) && std::exchange(Input().altAlone, false))
                TrackMenuBarKey(hwnd, 0);
            return 0;
        case WM_SYSCHAR:
            TrackMenuBarKey(hwnd, static_cast<char32_t>(wParam));
            return 0;
        case WM_NCLBUTTONDOWN:
            if (wParam == HTMENU) TrackMenuBar(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_SETCURSOR:
            // The parent may choose for its children; otherwise every class shows the arrow.
            if (w->parent && Send(w->parent, msg, wParam, lParam)) return TRUE;
            SetCursor(LoadCursor(nullptr, IDC_ARROW));
            return FALSE;
        case WM_MOUSEWHEEL:
            // A window with nothing to scroll passes the turn up, so the list or form around it can scroll.
            return w->parent ? Send(w->parent, msg, wParam, lParam) : 0;
        default:
            return 0;
    }
}

}  // namespace win
