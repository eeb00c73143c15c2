#include "platform/user/Paint.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/Surface.h"
#include "platform/user/Messages.h"
#include "platform/user/Presenter.h"
#include "platform/user/WindowStyles.h"
#include "platform/user/detail/Dispatch.h"
#include "platform/user/detail/Geometry.h"
#include "platform/user/detail/MessageQueue.h"
#include "platform/user/detail/PaintQueue.h"
#include "platform/user/detail/WindowRecord.h"
#include "platform/user/detail/WindowTable.h"

namespace user::detail {

namespace {

RECT Union(const RECT& a, const RECT& b) {
    if (IsEmpty(a)) return b;
    if (IsEmpty(b)) return a;
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

RECT ClientSize(const WindowRecord& w) {
    const RECT c = ClientScreenRect(w);
    return RECT{0, 0, c.right - c.left, c.bottom - c.top};
}

// Children are never painted over by their parent.
gdi::Region ExcludingChildren(const WindowRecord& w, gdi::Region area) {
    for (HWND h : w.children) {
        auto c = Find(h);
        if (!c || !(c->style & WS_VISIBLE)) continue;
        area = area.subtracted(DrawableArea(*c, false));
    }
    return area;
}

// A child window that is hidden, or lies in a hidden one, has no pixels of its own in its top-level window.
bool HiddenBelow(const WindowRecord& w, HWND top) {
    for (auto cur = Find(w.handle); cur && cur->handle != top; cur = cur->parent ? Find(cur->parent) : nullptr)
        if (!(cur->style & WS_VISIBLE)) return true;
    return false;
}

HDC MakeDC(const WindowRecord& w, bool clientOnly, const RECT* paintRect) {
    auto top = Find(TopLevelOf(w.handle));
    if (!top || !top->surface) return nullptr;
    const RECT own = clientOnly ? ClientScreenRect(w) : ScreenRect(w);
    const POINT origin{own.left - top->rect.left, own.top - top->rect.top};
    gdi::Region clip = HiddenBelow(w, top->handle) ? gdi::Region{} : ExcludingChildren(w, DrawableArea(w, clientOnly));
    if (paintRect) clip = clip.intersected(Offset(*paintRect, origin.x, origin.y));
    return gdi::CreateSurfaceDC(top->surface, origin, clip, w.handle);
}

// area: in the coordinates of hwnd's client area (clientArea) or of its whole window.
void MarkPixelsChanged(HWND hwnd, const RECT& area, bool clientArea) {
    auto* presenter = CurrentPresenter();
    auto w = Find(hwnd);
    auto top = Find(TopLevelOf(hwnd));
    if (!presenter || !w || !top) return;
    const RECT own = clientArea ? ClientScreenRect(*w) : ScreenRect(*w);
    presenter->pixelsChanged(top->handle, Offset(area, own.left - top->rect.left, own.top - top->rect.top));
}

void Invalidate(WindowRecord& w, const RECT& clientRect, bool erase) {
    const RECT r = Intersect(clientRect, ClientSize(w));
    if (IsEmpty(r)) return;
    w.updateRect = w.updatePending ? Union(w.updateRect, r) : r;
    w.updatePending = true;
    w.erasePending = w.erasePending || erase;
    for (HWND h : w.children) {
        auto c = Find(h);
        if (!c) continue;
        const RECT overlap = Intersect(r, c->rect);
        if (IsEmpty(overlap)) continue;
        c->framePending = true;
        const RECT insets = ClientInsets(*c);
        Invalidate(*c, Offset(overlap, -c->rect.left - insets.left, -c->rect.top - insets.top), erase);
    }
}

bool NeedsPaint(const WindowRecord& w) { return w.updatePending || w.framePending; }

HWND FirstNeedingPaint(const WindowRecord& w, HWND filter) {
    if (!(w.style & WS_VISIBLE)) return nullptr;
    if (NeedsPaint(w) && (!filter || filter == w.handle)) return w.handle;
    for (HWND h : w.children)
        if (auto c = Find(h))
            if (HWND found = FirstNeedingPaint(*c, filter)) return found;
    return nullptr;
}

struct PaintInProgress {
    HWND hwnd = nullptr;
    bool begun = false;
};
thread_local PaintInProgress* currentPaint = nullptr;

}  // namespace

void InvalidateWhole(HWND hwnd) {
    auto w = Find(hwnd);
    if (!w) return;
    w->framePending = true;
    Invalidate(*w, ClientSize(*w), true);
    if (IsEmpty(ClientSize(*w))) w->updatePending = false;
}

HWND NextWindowToPaint(const MessageQueue& queue, HWND filter) {
    for (HWND top : WindowTable::instance().topLevels()) {
        auto w = Find(top);
        if (!w || w->queue.get() != &queue) continue;
        if (HWND found = FirstNeedingPaint(*w, filter)) return found;
    }
    return nullptr;
}

void DeliverPaint(HWND hwnd) {
    auto w = Find(hwnd);
    if (!w) return;
    if (w->framePending) {
        w->framePending = false;
        Send(hwnd, WM_NCPAINT, 1, 0);
    }
    if (!(w = Find(hwnd)) || !w->updatePending) return;
    if (w->erasePending) {
        w->erasePending = false;
        const RECT erased = w->updateRect;
        HDC dc = MakeDC(*w, true, &erased);
        w->eraseUnanswered = Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
        DeleteDC(dc);
        MarkPixelsChanged(hwnd, erased, true);
        if (!(w = Find(hwnd)) || !w->updatePending) return;
    }
    PaintInProgress paint{hwnd, false};
    PaintInProgress* outer = std::exchange(currentPaint, &paint);
    Send(hwnd, WM_PAINT, 0, 0);
    currentPaint = outer;
    if (!paint.begun) ValidateRect(hwnd, nullptr);
}

}  // namespace user::detail

namespace win {

using namespace user::detail;

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    auto w = Find(hwnd);
    if (!w) return FALSE;
    Invalidate(*w, rect ? *rect : ClientSize(*w), erase != FALSE);
    w->queue->wake();
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    auto w = Find(hwnd);
    if (!w) return FALSE;
    // The update area is kept as one rectangle: validating part of it validates it only when it covers it all.
    if (!rect || (rect->left <= w->updateRect.left && rect->top <= w->updateRect.top &&
                  rect->right >= w->updateRect.right && rect->bottom >= w->updateRect.bottom)) {
        w->updatePending = false;
        w->erasePending = false;
        w->updateRect = RECT{};
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL) {
    auto w = Find(hwnd);
    if (!w) return FALSE;
    if (rect) *rect = w->updatePending ? w->updateRect : RECT{};
    return w->updatePending ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND hwnd) {
    auto w = Find(hwnd);
    if (!w) return FALSE;
    if (!ReallyVisible(*w)) return TRUE;
    if (NeedsPaint(*w)) DeliverPaint(hwnd);
    if (!(w = Find(hwnd))) return TRUE;
    for (HWND child : std::vector<HWND>(w->children)) UpdateWindow(child);
    return TRUE;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
    auto w = Find(hwnd);
    if (!w || !paint) return nullptr;
    if (currentPaint && currentPaint->hwnd == hwnd) currentPaint->begun = true;
    const RECT update = w->updatePending ? w->updateRect : RECT{};
    // Erasing happened before WM_PAINT, unless someone painted outside the loop's sequence.
    const bool erase = w->erasePending;
    *paint = PAINTSTRUCT{};
    paint->fErase = w->eraseUnanswered ? TRUE : FALSE;
    w->updatePending = false;
    w->erasePending = false;
    w->eraseUnanswered = false;
    w->updateRect = RECT{};
    paint->rcPaint = update;
    paint->hdc = MakeDC(*w, true, &update);
    if (paint->hdc && erase)
        paint->fErase = Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0) ? FALSE : TRUE;
    return paint->hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
    if (!paint || !paint->hdc) return FALSE;
    DeleteDC(paint->hdc);
    MarkPixelsChanged(hwnd, paint->rcPaint, true);
    return TRUE;
}

HDC GetDC(HWND hwnd) {
    if (!hwnd) return CreateCompatibleDC(nullptr);
    auto w = Find(hwnd);
    return w ? MakeDC(*w, true, nullptr) : nullptr;
}

HDC GetWindowDC(HWND hwnd) {
    auto w = Find(hwnd);
    return w ? MakeDC(*w, false, nullptr) : nullptr;
}

int ReleaseDC(HWND hwnd, HDC dc) {
    if (!dc || !DeleteDC(dc)) return 0;
    // The DC may have reached the whole window, the non-client area too.
    if (auto w = Find(hwnd)) {
        const RECT r = ScreenRect(*w);
        MarkPixelsChanged(hwnd, RECT{0, 0, r.right - r.left, r.bottom - r.top}, false);
    }
    return 1;
}

HWND WindowFromDC(HDC dc) {
    HWND hwnd = static_cast<HWND>(const_cast<void*>(gdi::DCOwner(dc)));
    return Find(hwnd) ? hwnd : nullptr;
}

int SetWindowRgn(HWND hwnd, HRGN rgn, BOOL redraw) {
    auto w = Find(hwnd);
    if (!w) return 0;
    if (rgn && !gdi::RegionOf(rgn)) return 0;
    if (w->region && w->region != rgn) DeleteObject(w->region);
    w->region = rgn;
    if (redraw) {
        InvalidateWhole(hwnd);
        if (w->parent) InvalidateRect(w->parent, &w->rect, TRUE);
    }
    if (auto* presenter = user::CurrentPresenter(); presenter && !w->parent) presenter->windowChanged(hwnd);
    return 1;
}

int GetWindowRgn(HWND hwnd, HRGN rgn) {
    auto w = Find(hwnd);
    if (!w || !w->region) return ERROR;
    const std::optional<gdi::Region> shape = gdi::RegionOf(w->region);
    if (!shape) return ERROR;
    return gdi::SetRegionShape(rgn, *shape);
}

}  // namespace win
