#include "platform/user/detail/ClassicPainter.h"

#include <string>

#include "platform/gdi/DC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/Input.h"
#include "platform/user/WindowStyles.h"
#include "platform/user/detail/Geometry.h"
#include "platform/user/detail/MenuBar.h"
#include "platform/user/detail/MenuItemPainter.h"
#include "platform/user/detail/WindowRecord.h"
#include "platform/user/detail/WindowTable.h"

namespace user::detail {

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
    DeleteObject(pen);
}

void DrawBevel(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    if (IsEmpty(r)) return;
    FillSolid(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    FillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    FillSolid(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    FillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void DrawMenuText(HDC dc, const char* text, const RECT& r, COLORREF colour, UINT align) {
    HGDIOBJ oldFont = SelectObject(dc, MenuFont());
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    RECT box = r;
    DrawText(dc, text, -1, &box, align | DT_SINGLELINE | DT_VCENTER);
    SelectObject(dc, oldFont);
}

namespace {

RECT Shrink(const RECT& r, int n) { return RECT{r.left + n, r.top + n, r.right - n, r.bottom - n}; }

// Returns the rectangle inside what was drawn.
RECT PaintBorders(const WindowRecord& w, HDC dc, RECT r) {
    if (w.style & (WS_THICKFRAME | WS_DLGFRAME)) {
        DrawBevel(dc, r, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
        r = Shrink(r, 1);
        DrawBevel(dc, r, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
        r = Shrink(r, 1);
        const int rest = ((w.style & WS_THICKFRAME) ? classic::kSizingFrame : classic::kFixedFrame) - 2;
        for (int i = 0; i < rest; ++i, r = Shrink(r, 1))
            DrawBevel(dc, r, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
    } else if (w.style & WS_BORDER) {
        DrawBevel(dc, r, RGB(0, 0, 0), RGB(0, 0, 0));
        r = Shrink(r, 1);
    }
    return r;
}

void PaintClientEdge(HDC dc, RECT r) {
    DrawBevel(dc, r, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawBevel(dc, Shrink(r, 1), GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT));
}

void PaintCaption(const WindowRecord& w, HDC dc, const RECT& inside) {
    const bool active = GetActiveWindow() == w.handle;
    const RECT bar{inside.left, inside.top, inside.right, inside.top + classic::kCaptionHeight - 1};
    FillSolid(dc, bar, GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    FillSolid(dc, RECT{bar.left, bar.bottom, bar.right, bar.bottom + 1}, GetSysColor(COLOR_BTNFACE));
    DrawMenuText(dc, w.text.c_str(), RECT{bar.left + 4, bar.top, bar.right - 2, bar.bottom},
                 GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT), DT_LEFT | DT_NOPREFIX);
}

}  // namespace

void PaintWindowFrame(HWND hwnd, HDC dc) {
    auto w = Find(hwnd);
    if (!w) return;
    const RECT screen = ScreenRect(*w);
    RECT r = PaintBorders(*w, dc, RECT{0, 0, screen.right - screen.left, screen.bottom - screen.top});
    if ((w->style & WS_CAPTION) == WS_CAPTION) {
        PaintCaption(*w, dc, r);
        r.top += classic::kCaptionHeight;
    }
    if (!w->parent && w->menu) {
        PaintMenuBar(hwnd, dc);
        r.top += w->menuBarHeight;
    }
    if (w->exStyle & WS_EX_CLIENTEDGE) PaintClientEdge(dc, r);
}

}  // namespace user::detail
