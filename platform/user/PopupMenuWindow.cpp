#include "platform/user/detail/PopupMenuWindow.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>

#include "platform/gdi/Palette.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/Menu.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/SystemMetrics.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"
#include "platform/user/detail/Geometry.h"
#include "platform/user/detail/MenuItemPainter.h"
#include "platform/user/detail/MenuRecord.h"
#include "platform/user/detail/WindowClasses.h"

namespace user::detail {

namespace {

constexpr const char* kPopupMenuClass = "#32768";

struct PopupState {
    HMENU menu = nullptr;
    HWND owner = nullptr;
    int selected = -1;
};

struct PopupStates {
    std::mutex mutex;
    std::unordered_map<HWND, PopupState> states;
};

PopupStates& states() {
    static PopupStates s;
    return s;
}

PopupState StateOf(HWND popup) {
    std::lock_guard lock(states().mutex);
    auto it = states().states.find(popup);
    return it == states().states.end() ? PopupState{} : it->second;
}

void DrawItem(HDC dc, const PopupState& state, int index, UINT action) {
    auto menu = FindMenu(state.menu);
    if (!menu || index < 0 || static_cast<std::size_t>(index) >= menu->items.size()) return;
    const MenuItem item = menu->items[static_cast<std::size_t>(index)];
    DrawMenuItem(state.owner, state.menu, item, dc, item.windowRect, index == state.selected, false, action);
}

void PaintFrame(HWND popup, HDC dc, const gdi::Palette& palette) {
    RECT r;
    GetWindowRect(popup, &r);
    r = RECT{0, 0, r.right - r.left, r.bottom - r.top};
    gdi::Bevel(dc, r, palette[COLOR_3DLIGHT], palette[COLOR_3DDKSHADOW]);
    gdi::Bevel(dc, r, palette[COLOR_BTNHIGHLIGHT], palette[COLOR_BTNSHADOW]);
    gdi::Bevel(dc, r, palette[COLOR_MENU], palette[COLOR_MENU]);
}

void PaintItems(HWND popup) {
    const PopupState state = StateOf(popup);
    auto menu = FindMenu(state.menu);
    if (!menu) return;
    HDC dc = GetWindowDC(popup);
    for (std::size_t i = 0; i < menu->items.size(); ++i) DrawItem(dc, state, static_cast<int>(i), ODA_DRAWENTIRE);
    ReleaseDC(popup, dc);
}

LRESULT PopupMenuWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NCPAINT: {
            HDC dc = GetWindowDC(hwnd);
            PaintFrame(hwnd, dc, gdi::Palette::System());
            ReleaseDC(hwnd, dc);
            return 0;
        }
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd, &client);
            gdi::FillSolid(reinterpret_cast<HDC>(wParam), client, GetSysColor(COLOR_MENU));
            return 1;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(hwnd, &ps);
            EndPaint(hwnd, &ps);
            // Items are drawn on a window DC, with rectangles in window coordinates.
            PaintItems(hwnd);
            return 0;
        }
        default:
            return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

void RegisterPopupClass() {
    static std::once_flag once;
    std::call_once(once, [] { AddClass(WindowClass{kPopupMenuClass, 0, PopupMenuWindowProc, nullptr}); });
}

// Every item's size as it will be painted, owner-drawn ones measured through owner.
std::vector<SIZE> MeasureItems(HWND owner, const MenuRecord& menu) {
    std::vector<SIZE> sizes;
    for (const MenuItem& item : menu.items) {
        SIZE s = MeasureMenuItem(owner, item, false);
        if (item.ownerDrawn()) s.cx += classic::Current().ownerDrawPopupExtraWidth;
        sizes.push_back(s);
    }
    return sizes;
}

// The window around items of these sizes: as wide as the widest, as high as all, and the margin around.
SIZE WindowSize(const std::vector<SIZE>& sizes) {
    int width = 0;
    int height = 0;
    for (const SIZE& s : sizes) {
        width = std::max<int>(width, s.cx);
        height += s.cy;
    }
    const int margin = classic::Current().popupMargin;
    return SIZE{width + 2 * margin, height + 2 * margin};
}

}  // namespace

HWND CreatePopupMenuWindow(HWND owner, HMENU handle, POINT at, UINT flags) {
    RegisterPopupClass();
    auto menu = FindMenu(handle);
    if (!menu) return nullptr;
    const std::vector<SIZE> sizes = MeasureItems(owner, *menu);
    // A measuring owner may have changed the menu meanwhile.
    if (!(menu = FindMenu(handle)) || sizes.size() != menu->items.size()) return nullptr;
    const int margin = classic::Current().popupMargin;
    const SIZE window = WindowSize(sizes);
    const int windowWidth = window.cx;
    const int windowHeight = window.cy;
    const int width = windowWidth - 2 * margin;

    int x = at.x;
    int y = at.y;
    if (flags & TPM_RIGHTALIGN)
        x -= windowWidth;
    else if (flags & TPM_CENTERALIGN)
        x -= windowWidth / 2;
    if (flags & TPM_BOTTOMALIGN) y -= windowHeight;
    x = std::clamp(x, 0, std::max(0, GetSystemMetrics(SM_CXSCREEN) - windowWidth));
    y = std::clamp(y, 0, std::max(0, GetSystemMetrics(SM_CYSCREEN) - windowHeight));

    int top = margin;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        MenuItem& item = menu->items[i];
        item.windowRect = RECT{margin, top, margin + width, top + sizes[i].cy};
        item.screenRect = Offset(item.windowRect, x, y);
        item.laidOut = true;
        top += sizes[i].cy;
    }
    HWND popup = CreateWindowEx(WS_EX_TOPMOST, kPopupMenuClass, "", WS_POPUP | WS_DLGFRAME, x, y, windowWidth,
                                windowHeight, owner, nullptr, nullptr);
    if (!popup) return nullptr;
    {
        std::lock_guard lock(states().mutex);
        states().states[popup] = PopupState{handle, owner, -1};
    }
    menu->openWindow = popup;
    return popup;
}

void DestroyPopupMenuWindow(HWND popup) {
    const PopupState state = StateOf(popup);
    ShowWindow(popup, SW_HIDE);
    DestroyWindow(popup);
    if (auto menu = FindMenu(state.menu); menu && menu->openWindow == popup) menu->openWindow = nullptr;
    std::lock_guard lock(states().mutex);
    states().states.erase(popup);
}

HMENU PopupMenuOf(HWND popup) { return StateOf(popup).menu; }

int PopupSelection(HWND popup) { return StateOf(popup).selected; }

void SelectPopupItem(HWND popup, int index) {
    PopupState state = StateOf(popup);
    auto menu = FindMenu(state.menu);
    if (!menu) return;
    // A separator is never the hot item: owner-drawn menus would paint it as selected.
    if (index >= 0 && static_cast<std::size_t>(index) < menu->items.size() &&
        menu->items[static_cast<std::size_t>(index)].separator())
        index = -1;
    if (state.selected == index) return;
    const int previous = state.selected;
    {
        std::lock_guard lock(states().mutex);
        states().states[popup].selected = index;
    }
    state.selected = index;
    if (!IsWindowVisible(popup)) return;
    HDC dc = GetWindowDC(popup);
    DrawItem(dc, state, previous, ODA_SELECT);
    DrawItem(dc, state, index, ODA_SELECT);
    ReleaseDC(popup, dc);
}

int PopupItemAt(HWND popup, POINT screen) {
    auto menu = FindMenu(PopupMenuOf(popup));
    RECT r;
    if (!menu || !GetWindowRect(popup, &r)) return -1;
    const POINT p{screen.x - r.left, screen.y - r.top};
    for (std::size_t i = 0; i < menu->items.size(); ++i)
        if (Contains(menu->items[i].windowRect, p)) return static_cast<int>(i);
    return -1;
}

bool PopupContains(HWND popup, POINT screen) {
    RECT r;
    return GetWindowRect(popup, &r) && Contains(r, screen);
}

}  // namespace user::detail

namespace user {

win::SIZE PopupMenuSize(win::HWND owner, win::HMENU handle) {
    auto menu = detail::FindMenu(handle);
    if (!menu) return win::SIZE{};
    return detail::WindowSize(detail::MeasureItems(owner, *menu));
}

}  // namespace user
