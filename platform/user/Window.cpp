#include "platform/user/Window.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/Surface.h"
#include "platform/user/Input.h"
#include "platform/user/Menu.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/Presenter.h"
#include "platform/user/WindowStyles.h"
#include "platform/user/detail/Dispatch.h"
#include "platform/user/detail/Geometry.h"
#include "platform/user/detail/InputState.h"
#include "platform/user/detail/MessageQueue.h"
#include "platform/user/detail/PaintQueue.h"
#include "platform/user/detail/WindowClasses.h"
#include "platform/user/detail/WindowRecord.h"
#include "platform/user/detail/WindowTable.h"

namespace win {

using namespace user::detail;

namespace {

WindowTable& table() { return WindowTable::instance(); }

// Front-to-back order of a window's siblings: the parent's children, or the top-level list.
std::vector<HWND>* SiblingOrder(const WindowRecord& w) {
    if (!w.parent) return &table().topLevels();
    auto parent = Find(w.parent);
    return parent ? &parent->children : nullptr;
}

// Owned windows stay in front of their owner, as a window manager keeps transient windows.
void KeepOwnedInFront(HWND owner) {
    std::vector<HWND>& order = table().topLevels();
    std::vector<HWND> owned;
    for (HWND h : order)
        if (auto r = Find(h); r && r->owner == owner && !(r->exStyle & WS_EX_TOPMOST)) owned.push_back(h);
    for (HWND h : owned) {
        std::erase(order, h);
        order.insert(std::find(order.begin(), order.end(), owner), h);
    }
    for (HWND h : owned) KeepOwnedInFront(h);
}

// Whether a window is owner or, through others, an owner of another: such an owner would close a cycle.
bool OwnsOrIs(HWND owner, HWND window) {
    for (HWND h = window; h;) {
        if (h == owner) return true;
        auto r = Find(h);
        h = r ? r->owner : nullptr;
    }
    return false;
}

// Topmost windows stay in front of the others.
void PlaceInOrder(const WindowRecord& w, HWND insertAfter) {
    std::vector<HWND>* order = SiblingOrder(w);
    if (!order) return;
    std::erase(*order, w.handle);
    auto isTopmost = [](HWND h) {
        auto r = Find(h);
        return r && (r->exStyle & WS_EX_TOPMOST);
    };
    if (insertAfter == HWND_BOTTOM) {
        order->push_back(w.handle);
        return;
    }
    auto pos = order->begin();
    if (!w.parent && !(w.exStyle & WS_EX_TOPMOST)) pos = std::find_if_not(order->begin(), order->end(), isTopmost);
    order->insert(pos, w.handle);
    if (!w.parent) KeepOwnedInFront(w.handle);
}

void NotifyPresenter(const WindowRecord& w) {
    if (auto* presenter = user::CurrentPresenter(); presenter && !w.parent) presenter->windowChanged(w.handle);
}

// The parent's pixels under a child that moved or hid must be repainted.
void InvalidateUnder(const WindowRecord& w) {
    if (!w.parent) return;
    RECT r = w.rect;
    InvalidateRect(w.parent, &r, TRUE);
}

// When the active window goes away, its owner (or else the frontmost other window) becomes active.
void HandOverActivation(const WindowRecord& leaving) {
    if (leaving.parent || GetActiveWindow() != leaving.handle) return;
    auto usable = [&](HWND h) {
        auto w = Find(h);
        return w && h != leaving.handle && !w->destroying && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED) &&
               !(w->exStyle & WS_EX_TOPMOST) && w->queue == leaving.queue;
    };
    HWND next = usable(leaving.owner) ? leaving.owner : nullptr;
    for (HWND top : table().topLevels())
        if (!next && usable(top)) next = top;
    if (next) SetActiveWindow(next);
}

void DestroyTree(HWND hwnd) {
    auto w = Find(hwnd);
    if (!w) return;
    w->destroying = true;
    Send(hwnd, WM_DESTROY, 0, 0);
    for (HWND child : std::vector<HWND>(w->children)) DestroyTree(child);
    w->queue->killTimersOf(hwnd);
    w->queue->dropFor(hwnd);
    ForgetWindow(hwnd);
    if (w->region) DeleteObject(w->region);
    w->region = nullptr;
    if (w->menu && !(w->style & WS_CHILD)) DestroyMenu(w->menu);
    w->menu = nullptr;
    if (w->parent) {
        if (auto parent = Find(w->parent)) std::erase(parent->children, hwnd);
    } else if (auto* presenter = user::CurrentPresenter()) {
        presenter->windowDestroyed(hwnd);
    }
    table().remove(hwnd);
}

}  // namespace

ATOM RegisterClass(const WNDCLASS* wc) {
    if (!wc || !wc->lpszClassName) return 0;
    static std::atomic<ATOM> next{0xC000};
    if (!AddClass(WindowClass{wc->lpszClassName, wc->style, wc->lpfnWndProc, wc->hbrBackground})) return 0;
    return next++;
}

HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menu, void* param) {
    if (!className) return nullptr;
    const auto cls = FindClass(className);
    if (!cls) return nullptr;
    auto w = std::make_shared<WindowRecord>();
    w->queue = CurrentQueue();
    w->className = cls->name;
    w->classStyle = cls->style;
    w->classBackground = cls->background;
    w->proc = cls->proc;
    w->style = style & ~WS_VISIBLE;
    w->exStyle = exStyle;
    w->text = windowName ? windowName : "";
    w->rect = RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
    if (style & WS_CHILD) {
        auto p = Find(parent);
        if (!p || p->queue != w->queue) return nullptr;
        w->parent = parent;
        w->id = reinterpret_cast<LONG_PTR>(menu);
    } else {
        if (parent && !Find(parent)) return nullptr;
        w->owner = parent;
        w->surface = std::make_shared<gdi::Surface>(std::max(width, 0), std::max(height, 0));
    }
    const HWND hwnd = table().add(w);
    if (w->parent) {
        Find(w->parent)->children.insert(Find(w->parent)->children.begin(), hwnd);
    } else {
        PlaceInOrder(*w, HWND_TOP);
        if (menu) SetMenu(hwnd, menu);
    }

    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hMenu = menu;
    cs.hwndParent = parent;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    if (Send(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!IsWindow(hwnd)) return nullptr;
    if (w->parent)
        Send(w->parent, WM_PARENTNOTIFY, MAKELPARAM(WM_CREATE, static_cast<int>(w->id)),
             reinterpret_cast<LPARAM>(hwnd));
    if (style & WS_VISIBLE) ShowWindow(hwnd, (style & WS_CHILD) ? SW_SHOWNOACTIVATE : SW_SHOW);
    return hwnd;
}

BOOL DestroyWindow(HWND hwnd) {
    auto w = Find(hwnd);
    if (!w || w->destroying || w->queue != CurrentQueue()) return FALSE;
    if (w->style & WS_VISIBLE) {
        w->style &= ~WS_VISIBLE;
        InvalidateUnder(*w);
        NotifyPresenter(*w);
    }
    HandOverActivation(*w);
    if (w->parent)
        Send(w->parent, WM_PARENTNOTIFY, MAKELPARAM(WM_DESTROY, static_cast<int>(w->id)),
             reinterpret_cast<LPARAM>(hwnd));
    // Owned top-level windows go first, as their owner's lifetime bounds theirs.
    for (HWND top : std::vector<HWND>(table().topLevels()))
        if (auto t = Find(top); t && t->owner == hwnd) DestroyWindow(top);
    DestroyTree(hwnd);
    return TRUE;
}

BOOL IsWindow(HWND hwnd) { return Find(hwnd) ? TRUE : FALSE; }

BOOL ShowWindow(HWND hwnd, int command) {
    auto w = Find(hwnd);
    if (!w) return FALSE;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    const bool show = command != SW_HIDE;
    if (show == wasVisible) return wasVisible ? TRUE : FALSE;
    Send(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if (!(w = Find(hwnd))) return wasVisible ? TRUE : FALSE;
    if (show) {
        w->style |= WS_VISIBLE;
        InvalidateWhole(hwnd);
    } else {
        w->style &= ~WS_VISIBLE;
        InvalidateUnder(*w);
        HandOverActivation(*w);
        if (Input().capture && (Input().capture == hwnd || IsChild(hwnd, Input().capture))) ReleaseCapture();
    }
    NotifyPresenter(*w);
    if (show && !w->parent && command != SW_SHOWNOACTIVATE && !(w->exStyle & WS_EX_TOPMOST)) SetActiveWindow(hwnd);
    return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hwnd) {
    auto w = Find(hwnd);
    return w && ReallyVisible(*w) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    auto w = Find(hwnd);
    if (!w) return FALSE;
    const bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (enable)
        w->style &= ~WS_DISABLED;
    else
        w->style |= WS_DISABLED;
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
    auto w = Find(hwnd);
    return w && !(w->style & WS_DISABLED) ? TRUE : FALSE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    auto w = Find(hwnd);
    if (!w) return FALSE;
    RECT r = w->rect;
    if (!(flags & SWP_NOMOVE)) r = Offset(r, x - r.left, y - r.top);
    if (!(flags & SWP_NOSIZE)) {
        r.right = r.left + std::max(width, 0);
        r.bottom = r.top + std::max(height, 0);
    }
    const bool moved = r.left != w->rect.left || r.top != w->rect.top;
    const bool resized =
        r.right - r.left != w->rect.right - w->rect.left || r.bottom - r.top != w->rect.bottom - w->rect.top;
    if (moved || resized) {
        if (w->style & WS_VISIBLE) InvalidateUnder(*w);
        w->rect = r;
        if (w->surface && resized) w->surface->resize(r.right - r.left, r.bottom - r.top);
    }
    if (!(flags & SWP_NOZORDER)) PlaceInOrder(*w, insertAfter);
    WINDOWPOS pos{hwnd, insertAfter, r.left, r.top, r.right - r.left, r.bottom - r.top, flags};
    Send(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    if (!(w = Find(hwnd))) return TRUE;
    if (resized || (moved && w->parent)) InvalidateWhole(hwnd);
    NotifyPresenter(*w);
    if (flags & SWP_SHOWWINDOW) ShowWindow(hwnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNOACTIVATE : SW_SHOW);
    if (flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL BringWindowToTop(HWND hwnd) { return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

HWND GetParent(HWND hwnd) {
    auto w = Find(hwnd);
    if (!w) return nullptr;
    return w->parent ? w->parent : w->owner;
}

HWND GetWindow(HWND hwnd, UINT relation) {
    auto w = Find(hwnd);
    if (!w) return nullptr;
    if (relation == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
    if (relation == GW_OWNER) return w->owner;
    const std::vector<HWND>* order = SiblingOrder(*w);
    if (!order) return nullptr;
    auto it = std::find(order->begin(), order->end(), hwnd);
    if (it == order->end()) return nullptr;
    if (relation == GW_HWNDNEXT) return std::next(it) == order->end() ? nullptr : *std::next(it);
    if (relation == GW_HWNDPREV) return it == order->begin() ? nullptr : *std::prev(it);
    return nullptr;
}

BOOL IsChild(HWND parent, HWND hwnd) {
    for (auto w = Find(hwnd); w && w->parent; w = Find(w->parent))
        if (w->parent == parent) return TRUE;
    return FALSE;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    auto w = Find(hwnd);
    if (!w) return nullptr;
    if (flags == GA_PARENT) return w->parent;
    if (flags == GA_ROOT) return TopLevelOf(hwnd);
    return nullptr;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    auto w = Find(hwnd);
    if (!w || !rect) return FALSE;
    *rect = ScreenRect(*w);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    auto w = Find(hwnd);
    if (!w || !rect) return FALSE;
    const RECT c = ClientScreenRect(*w);
    *rect = RECT{0, 0, c.right - c.left, c.bottom - c.top};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
    auto w = Find(hwnd);
    if (!w || !point) return FALSE;
    const RECT c = ClientScreenRect(*w);
    point->x += c.left;
    point->y += c.top;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
    auto w = Find(hwnd);
    if (!w || !point) return FALSE;
    const RECT c = ClientScreenRect(*w);
    point->x -= c.left;
    point->y -= c.top;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    POINT origin{0, 0};
    if (from && !ClientToScreen(from, &origin)) return 0;
    POINT target{0, 0};
    if (to && !ClientToScreen(to, &target)) return 0;
    const int dx = origin.x - target.x;
    const int dy = origin.y - target.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return static_cast<int>(static_cast<std::uint32_t>(dx & 0xFFFF) | (static_cast<std::uint32_t>(dy & 0xFFFF) << 16));
}

namespace {

bool HitsWindow(const WindowRecord& w, POINT screen) {
    const RECT r = ScreenRect(w);
    if (!Contains(r, screen)) return false;
    if (!w.region) return true;
    return PtInRegion(w.region, screen.x - r.left, screen.y - r.top) != FALSE;
}

HWND DeepestChildAt(const WindowRecord& w, POINT screen) {
    if (!Contains(ClientScreenRect(w), screen)) return w.handle;
    for (HWND child : w.children) {
        auto c = Find(child);
        // A disabled child takes no input: the point belongs to its parent.
        if (c && (c->style & WS_VISIBLE) && !(c->style & WS_DISABLED) && HitsWindow(*c, screen))
            return DeepestChildAt(*c, screen);
    }
    return w.handle;
}

}  // namespace

HWND WindowFromPoint(POINT point) {
    for (HWND top : table().topLevels()) {
        auto w = Find(top);
        if (w && (w->style & WS_VISIBLE) && HitsWindow(*w, point)) return DeepestChildAt(*w, point);
    }
    return nullptr;
}

LONG_PTR GetWindowLong(HWND hwnd, int index) {
    auto w = Find(hwnd);
    if (!w) return 0;
    switch (index) {
        case GWL_WNDPROC:
            return reinterpret_cast<LONG_PTR>(w->proc);
        case GWL_USERDATA:
            return w->userData;
        case GWL_ID:
            return w->id;
        case GWL_STYLE:
            return static_cast<LONG_PTR>(w->style);
        case GWL_EXSTYLE:
            return static_cast<LONG_PTR>(w->exStyle);
        case GWL_HWNDPARENT:
            return reinterpret_cast<LONG_PTR>(w->parent ? w->parent : w->owner);
        default:
            return 0;
    }
}

LONG_PTR SetWindowLong(HWND hwnd, int index, LONG_PTR value) {
    auto w = Find(hwnd);
    if (!w) return 0;
    LONG_PTR previous = GetWindowLong(hwnd, index);
    switch (index) {
        case GWL_WNDPROC:
            if (!value) return 0;
            w->proc = reinterpret_cast<WNDPROC>(value);
            break;
        case GWL_USERDATA:
            w->userData = value;
            break;
        case GWL_ID:
            w->id = value;
            break;
        case GWL_STYLE:
            w->style = static_cast<DWORD>(value);
            break;
        case GWL_EXSTYLE:
            w->exStyle = static_cast<DWORD>(value);
            break;
        case GWL_HWNDPARENT: {
            const HWND owner = reinterpret_cast<HWND>(value);
            if (w->parent || (owner && !Find(owner)) || OwnsOrIs(hwnd, owner)) return 0;
            w->owner = owner;
            if (owner) KeepOwnedInFront(owner);
            break;
        }
        default:
            return 0;
    }
    return previous;
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}

BOOL SetWindowText(HWND hwnd, const char* text) {
    auto w = Find(hwnd);
    if (!w) return FALSE;
    w->text = text ? text : "";
    if (!w->parent && (w->style & WS_CAPTION) == WS_CAPTION) InvalidateWhole(hwnd);
    NotifyPresenter(*w);
    return TRUE;
}

namespace {

int CopyOut(const std::string& s, char* buffer, int size) {
    if (!buffer || size <= 0) return 0;
    const int n = std::min(static_cast<int>(s.size()), size - 1);
    std::memcpy(buffer, s.data(), static_cast<std::size_t>(n));
    buffer[n] = '\0';
    return n;
}

}  // namespace

int GetWindowText(HWND hwnd, char* buffer, int size) {
    auto w = Find(hwnd);
    return w ? CopyOut(w->text, buffer, size) : 0;
}

int GetClassName(HWND hwnd, char* buffer, int size) {
    auto w = Find(hwnd);
    return w ? CopyOut(w->className, buffer, size) : 0;
}

}  // namespace win

namespace user::detail {

void BringToFront(HWND topLevel) {
    auto w = Find(topLevel);
    if (w && !w->parent) win::PlaceInOrder(*w, HWND_TOP);
}

LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto w = Find(hwnd);
    if (!w || !w->proc) return 0;
    return w->proc(hwnd, msg, wParam, lParam);
}

}  // namespace user::detail
