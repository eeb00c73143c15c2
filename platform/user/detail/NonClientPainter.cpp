#include "platform/user/detail/NonClientPainter.h"

#include <string>

#include "platform/gdi/DC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/ClassicMenuItem.h"
#include "platform/user/Input.h"
#include "platform/user/WindowStyles.h"
#include "platform/user/detail/Geometry.h"
#include "platform/user/detail/MenuBar.h"
#include "platform/user/detail/WindowRecord.h"
#include "platform/user/detail/WindowTable.h"

namespace user::detail {

namespace {

RECT Shrink(const RECT& r, int n) { return RECT{r.left + n, r.top + n, r.right - n, r.bottom - n}; }

// Returns the rectangle inside what was drawn.
RECT PaintBorders(const WindowRecord& w, HDC dc, const RECT& r, const gdi::Palette& palette) {
    RECT ring = r;
    if (w.style & (WS_THICKFRAME | WS_DLGFRAME)) {
        const int width = (w.style & WS_THICKFRAME) ? classic::Current().sizingFrame : classic::Current().fixedFrame;
        gdi::Bevel(dc, ring, palette[COLOR_3DLIGHT], palette[COLOR_3DDKSHADOW]);
        gdi::Bevel(dc, ring, palette[COLOR_BTNHIGHLIGHT], palette[COLOR_BTNSHADOW]);
        gdi::Bevel(dc, ring, palette[COLOR_BTNFACE], palette[COLOR_BTNFACE], width - 2);
        return Shrink(r, width);
    }
    if (w.style & WS_BORDER) {
        gdi::Bevel(dc, ring, RGB(0, 0, 0), RGB(0, 0, 0));
        return Shrink(r, classic::kBorder);
    }
    return r;
}

void PaintClientEdge(HDC dc, RECT r, const gdi::Palette& palette) {
    gdi::Bevel(dc, r, palette[COLOR_BTNSHADOW], palette[COLOR_BTNHIGHLIGHT]);
    gdi::Bevel(dc, r, palette[COLOR_3DDKSHADOW], palette[COLOR_3DLIGHT]);
}

void PaintCaption(const WindowRecord& w, HDC dc, const RECT& inside, const gdi::Palette& palette) {
    const bool active = GetActiveWindow() == w.handle;
    const RECT bar{inside.left, inside.top, inside.right, inside.top + classic::Current().captionHeight - 1};
    gdi::FillSolid(dc, bar, palette[active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION]);
    gdi::FillSolid(dc, RECT{bar.left, bar.bottom, bar.right, bar.bottom + 1}, palette[COLOR_BTNFACE]);
    classic::DrawMenuText(dc, w.text.c_str(), RECT{bar.left + 4, bar.top, bar.right - 2, bar.bottom},
                          palette[active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT], DT_LEFT | DT_NOPREFIX);
}

}  // namespace

void PaintNonClientArea(HWND hwnd, HDC dc, const gdi::Palette& palette) {
    auto w = Find(hwnd);
    if (!w) return;
    const RECT screen = ScreenRect(*w);
    RECT r = PaintBorders(*w, dc, RECT{0, 0, screen.right - screen.left, screen.bottom - screen.top}, palette);
    if ((w->style & WS_CAPTION) == WS_CAPTION) {
        PaintCaption(*w, dc, r, palette);
        r.top += classic::Current().captionHeight;
    }
    if (!w->parent && w->menu) {
        PaintMenuBar(hwnd, dc, palette);
        r.top += w->menuBarHeight;
    }
    if (w->exStyle & WS_EX_CLIENTEDGE) PaintClientEdge(dc, r, palette);
}

}  // namespace user::detail
