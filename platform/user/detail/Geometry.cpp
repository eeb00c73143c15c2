#include "platform/user/detail/Geometry.h"

#include <algorithm>
#include <optional>

#include "platform/gdi/Regions.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/WindowStyles.h"
#include "platform/user/detail/MenuBar.h"
#include "platform/user/detail/WindowRecord.h"
#include "platform/user/detail/WindowTable.h"

namespace user::detail {

RECT ClientInsets(const WindowRecord& w) {
    RECT insets = classic::NonClientInsets(w.style, w.exStyle);
    if (!(w.style & WS_CHILD) && w.menu) insets.top += MenuBarHeight(w);
    return insets;
}

RECT ScreenRect(const WindowRecord& w) {
    if (!w.parent) return w.rect;
    auto parent = Find(w.parent);
    if (!parent) return w.rect;
    const RECT client = ClientScreenRect(*parent);
    return Offset(w.rect, client.left, client.top);
}

RECT ClientScreenRect(const WindowRecord& w) {
    const RECT r = ScreenRect(w);
    const RECT in = ClientInsets(w);
    RECT client{r.left + in.left, r.top + in.top, r.right - in.right, r.bottom - in.bottom};
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    return client;
}

HWND TopLevelOf(HWND hwnd) {
    auto w = Find(hwnd);
    while (w && w->parent) w = Find(w->parent);
    return w ? w->handle : nullptr;
}

bool ReallyVisible(const WindowRecord& w) {
    if (!(w.style & WS_VISIBLE)) return false;
    return !w.parent || [&] {
        auto parent = Find(w.parent);
        return parent && ReallyVisible(*parent);
    }();
}

gdi::Region DrawableArea(const WindowRecord& w, bool clientOnly) {
    auto top = Find(TopLevelOf(w.handle));
    if (!top) return gdi::Region{};
    const int dx = -top->rect.left;
    const int dy = -top->rect.top;
    const RECT own = clientOnly ? ClientScreenRect(w) : ScreenRect(w);
    gdi::Region area(Offset(own, dx, dy));
    for (auto cur = Find(w.handle); cur; cur = cur->parent ? Find(cur->parent) : nullptr) {
        if (cur->handle != w.handle) area = area.intersected(Offset(ClientScreenRect(*cur), dx, dy));
        if (cur->region) {
            if (std::optional<gdi::Region> shape = gdi::RegionOf(cur->region)) {
                const RECT origin = ScreenRect(*cur);
                area = area.intersected(shape->offset(origin.left + dx, origin.top + dy));
            }
        }
    }
    return area;
}

RECT Intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (r.right <= r.left || r.bottom <= r.top) return RECT{};
    return r;
}

RECT Offset(const RECT& r, int dx, int dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

bool Contains(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

}  // namespace user::detail
