#include "platform/user/Menu.h"

#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"
#include "platform/user/detail/Geometry.h"
#include "platform/user/detail/MenuBar.h"
#include "platform/user/detail/MenuRecord.h"
#include "platform/user/detail/PaintQueue.h"
#include "platform/user/detail/WindowRecord.h"
#include "platform/user/detail/WindowTable.h"

namespace win {

using namespace user::detail;

namespace {

HMENU NewMenu() { return AddMenu(std::make_shared<MenuRecord>()); }

// The index of an item given by position or by command id (searched through sub-menus too).
MenuItem* Locate(HMENU handle, UINT item, bool byPosition, std::shared_ptr<MenuRecord>* owner = nullptr) {
    auto menu = FindMenu(handle);
    if (!menu) return nullptr;
    if (byPosition) {
        if (item >= menu->items.size()) return nullptr;
        if (owner) *owner = menu;
        return &menu->items[item];
    }
    for (MenuItem& it : menu->items) {
        if (!it.submenu && it.id == item) {
            if (owner) *owner = menu;
            return &it;
        }
        if (it.submenu)
            if (MenuItem* found = Locate(it.submenu, item, false, owner)) return found;
    }
    return nullptr;
}

void Apply(MenuItem& item, const MENUITEMINFO& info) {
    if (info.fMask & MIIM_FTYPE) item.type = info.fType;
    if (info.fMask & MIIM_STATE) item.state = info.fState;
    if (info.fMask & MIIM_ID) item.id = info.wID;
    if (info.fMask & MIIM_SUBMENU) item.submenu = info.hSubMenu;
    if (info.fMask & MIIM_DATA) item.data = info.dwItemData;
    if (info.fMask & MIIM_STRING) item.text = info.dwTypeData ? info.dwTypeData : "";
}

BOOL Remove(HMENU handle, UINT item, UINT flags, bool destroySubmenu) {
    std::shared_ptr<MenuRecord> menu;
    MenuItem* it = Locate(handle, item, (flags & MF_BYPOSITION) != 0, &menu);
    if (!it) return FALSE;
    const HMENU sub = it->submenu;
    menu->items.erase(menu->items.begin() + (it - menu->items.data()));
    if (destroySubmenu && sub) DestroyMenu(sub);
    return TRUE;
}

}  // namespace

// Bars and popups differ only in where they are shown.
HMENU CreateMenu() { return NewMenu(); }
HMENU CreatePopupMenu() { return NewMenu(); }

BOOL DestroyMenu(HMENU handle) {
    auto menu = FindMenu(handle);
    if (!menu) return FALSE;
    RemoveMenuRecord(handle);
    for (const MenuItem& item : menu->items)
        if (item.submenu) DestroyMenu(item.submenu);
    if (auto w = Find(menu->barWindow); w && w->menu == handle) {
        w->menu = nullptr;
        w->menuBarHeight = 0;
    }
    return TRUE;
}

BOOL IsMenu(HMENU menu) { return FindMenu(menu) ? TRUE : FALSE; }

BOOL AppendMenu(HMENU handle, UINT flags, UINT_PTR idOrSubmenu, const char* text) {
    auto menu = FindMenu(handle);
    if (!menu) return FALSE;
    MenuItem item;
    item.type = flags & (MF_OWNERDRAW | MF_SEPARATOR | MFT_RADIOCHECK);
    item.state = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_DEFAULT | MF_HILITE);
    if (flags & MF_POPUP) {
        item.submenu = reinterpret_cast<HMENU>(idOrSubmenu);
        if (!FindMenu(item.submenu)) return FALSE;
    } else {
        item.id = static_cast<UINT>(idOrSubmenu);
    }
    if (flags & MF_OWNERDRAW)
        item.data = reinterpret_cast<ULONG_PTR>(text);
    else if (text && !(flags & MF_SEPARATOR))
        item.text = text;
    menu->items.push_back(std::move(item));
    return TRUE;
}

BOOL InsertMenuItem(HMENU handle, UINT position, BOOL byPosition, const MENUITEMINFO* info) {
    auto menu = FindMenu(handle);
    if (!menu || !info) return FALSE;
    MenuItem item;
    Apply(item, *info);
    std::size_t index = menu->items.size();
    if (byPosition) {
        index = std::min<std::size_t>(position, menu->items.size());
    } else {
        for (std::size_t i = 0; i < menu->items.size(); ++i)
            if (!menu->items[i].submenu && menu->items[i].id == position) index = i;
    }
    menu->items.insert(menu->items.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
    return TRUE;
}

BOOL SetMenuItemInfo(HMENU handle, UINT item, BOOL byPosition, const MENUITEMINFO* info) {
    MenuItem* it = Locate(handle, item, byPosition != FALSE);
    if (!it || !info) return FALSE;
    Apply(*it, *info);
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT item, UINT flags) { return Remove(menu, item, flags, true); }
BOOL RemoveMenu(HMENU menu, UINT item, UINT flags) { return Remove(menu, item, flags, false); }

int GetMenuItemCount(HMENU handle) {
    auto menu = FindMenu(handle);
    return menu ? static_cast<int>(menu->items.size()) : -1;
}

UINT GetMenuItemID(HMENU handle, int position) {
    auto menu = FindMenu(handle);
    if (!menu || position < 0 || static_cast<std::size_t>(position) >= menu->items.size()) return 0xFFFFFFFF;
    const MenuItem& item = menu->items[static_cast<std::size_t>(position)];
    return item.submenu ? 0xFFFFFFFF : item.id;
}

HMENU GetSubMenu(HMENU handle, int position) {
    auto menu = FindMenu(handle);
    if (!menu || position < 0 || static_cast<std::size_t>(position) >= menu->items.size()) return nullptr;
    return menu->items[static_cast<std::size_t>(position)].submenu;
}

BOOL SetMenu(HWND hwnd, HMENU handle) {
    auto w = Find(hwnd);
    if (!w || (w->style & WS_CHILD)) return FALSE;
    auto menu = FindMenu(handle);
    if (handle && !menu) return FALSE;
    if (auto old = FindMenu(w->menu)) old->barWindow = nullptr;
    w->menu = handle;
    if (menu) menu->barWindow = hwnd;
    LayoutMenuBar(hwnd);
    InvalidateWhole(hwnd);
    return TRUE;
}

HMENU GetMenu(HWND hwnd) {
    auto w = Find(hwnd);
    return w && !(w->style & WS_CHILD) ? w->menu : nullptr;
}

BOOL DrawMenuBar(HWND hwnd) {
    auto w = Find(hwnd);
    if (!w || !w->menu) return FALSE;
    const int before = w->menuBarHeight;
    LayoutMenuBar(hwnd);
    if (!(w = Find(hwnd))) return FALSE;
    if (w->menuBarHeight != before)
        InvalidateWhole(hwnd);  // the client area moved
    else
        w->framePending = true;
    return TRUE;
}

BOOL GetMenuItemRect(HWND, HMENU handle, UINT position, RECT* rect) {
    auto menu = FindMenu(handle);
    if (!rect) return FALSE;
    *rect = RECT{};
    if (!menu || position >= menu->items.size()) return FALSE;
    const MenuItem& item = menu->items[position];
    // hwnd only names the window the caller believes shows the menu; the layer knows which one does.
    const HWND shownIn = menu->barWindow ? menu->barWindow : menu->openWindow;
    if (auto w = Find(shownIn); w && item.laidOut) {
        const RECT origin = ScreenRect(*w);
        *rect = Offset(item.windowRect, origin.left, origin.top);
        return TRUE;
    }
    if (!item.laidOut) return FALSE;
    *rect = item.screenRect;
    return TRUE;
}

}  // namespace win
