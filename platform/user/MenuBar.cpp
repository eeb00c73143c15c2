#include "platform/user/detail/MenuBar.h"

#include <algorithm>

#include "platform/gdi/DC.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/Paint.h"
#include "platform/user/WindowStyles.h"
#include "platform/user/detail/Geometry.h"
#include "platform/user/detail/MenuItemPainter.h"
#include "platform/user/detail/MenuRecord.h"
#include "platform/user/detail/WindowRecord.h"
#include "platform/user/detail/WindowTable.h"

namespace user::detail {

namespace {

// Where the bar starts, in window coordinates, and how wide it is.
RECT BarArea(const WindowRecord& w) {
    const RECT frame = classic::NonClientInsets(w.style, w.exStyle);
    const RECT r = ScreenRect(w);
    const int clientEdge = (w.exStyle & WS_EX_CLIENTEDGE) ? classic::kClientEdge : 0;
    return RECT{frame.left - clientEdge, frame.top - clientEdge, r.right - r.left - frame.right + clientEdge,
                frame.top - clientEdge + w.menuBarHeight};
}

}  // namespace

int MenuBarHeight(const WindowRecord& w) { return w.menu ? w.menuBarHeight : 0; }

void LayoutMenuBar(HWND hwnd) {
    auto w = Find(hwnd);
    if (!w) return;
    auto menu = FindMenu(w->menu);
    if (!menu) {
        w->menuBarHeight = 0;
        return;
    }
    std::vector<SIZE> sizes;
    int height = classic::Current().menuBarHeight;
    for (const MenuItem& item : menu->items) {
        SIZE s = MeasureMenuItem(hwnd, item, true);
        if (item.ownerDrawn()) s.cx += classic::Current().ownerDrawBarExtraWidth;
        sizes.push_back(s);
        height = std::max<int>(height, sizes.back().cy);
    }
    if (!(w = Find(hwnd)) || !(menu = FindMenu(w->menu)) || sizes.size() != menu->items.size()) return;
    w->menuBarHeight = height;
    const RECT area = BarArea(*w);
    const RECT origin = ScreenRect(*w);
    int x = area.left;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        MenuItem& item = menu->items[i];
        item.windowRect = RECT{x, area.top, x + sizes[i].cx, area.top + height};
        item.screenRect = Offset(item.windowRect, origin.left, origin.top);
        item.laidOut = true;
        x += sizes[i].cx;
    }
}

void PaintMenuBar(HWND hwnd, HDC dc, const gdi::Palette& palette) {
    auto w = Find(hwnd);
    if (!w) return;
    auto menu = FindMenu(w->menu);
    if (!menu) return;
    gdi::FillSolid(dc, BarArea(*w), palette[COLOR_MENU]);
    for (std::size_t i = 0; i < menu->items.size(); ++i)
        PaintMenuBarItem(hwnd, dc, static_cast<int>(i), false, ODA_DRAWENTIRE, palette);
}

void PaintMenuBarItem(HWND hwnd, HDC dc, int index, bool selected, UINT action, const gdi::Palette& palette) {
    auto w = Find(hwnd);
    if (!w) return;
    auto menu = FindMenu(w->menu);
    if (!menu || index < 0 || static_cast<std::size_t>(index) >= menu->items.size()) return;
    const MenuItem item = menu->items[static_cast<std::size_t>(index)];
    if (item.laidOut) DrawMenuItem(hwnd, menu->handle, item, dc, item.windowRect, selected, true, action, palette);
}

int MenuBarItemAt(HWND hwnd, POINT screen) {
    auto w = Find(hwnd);
    if (!w) return -1;
    auto menu = FindMenu(w->menu);
    if (!menu) return -1;
    const RECT origin = ScreenRect(*w);
    const POINT p{screen.x - origin.left, screen.y - origin.top};
    for (std::size_t i = 0; i < menu->items.size(); ++i)
        if (menu->items[i].laidOut && Contains(menu->items[i].windowRect, p)) return static_cast<int>(i);
    return -1;
}

}  // namespace user::detail
