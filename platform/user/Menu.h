#pragma once
// Native menus: menu bars in a window's non-client area and popup menus in their own top-level windows, with
// owner drawing and a tracking loop that keeps dispatching posted messages to every window of the thread.
#include "platform/user/Types.h"

namespace win {

inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_UNCHECKED = 0x0000;
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_HILITE = 0x0080;
inline constexpr UINT MF_OWNERDRAW = 0x0100;
inline constexpr UINT MF_BYPOSITION = 0x0400;
inline constexpr UINT MF_SEPARATOR = 0x0800;
inline constexpr UINT MF_DEFAULT = 0x1000;

inline constexpr UINT MFT_STRING = MF_STRING;
inline constexpr UINT MFT_OWNERDRAW = MF_OWNERDRAW;
inline constexpr UINT MFT_RADIOCHECK = 0x0200;
inline constexpr UINT MFT_SEPARATOR = MF_SEPARATOR;
inline constexpr UINT MFT_RIGHTORDER = 0x2000;
inline constexpr UINT MFS_GRAYED = 0x0003;
inline constexpr UINT MFS_DISABLED = MFS_GRAYED;
inline constexpr UINT MFS_CHECKED = MF_CHECKED;
inline constexpr UINT MFS_HILITE = MF_HILITE;
inline constexpr UINT MFS_DEFAULT = MF_DEFAULT;

inline constexpr UINT MIIM_STATE = 0x0001;
inline constexpr UINT MIIM_ID = 0x0002;
inline constexpr UINT MIIM_SUBMENU = 0x0004;
inline constexpr UINT MIIM_DATA = 0x0020;
inline constexpr UINT MIIM_STRING = 0x0040;
inline constexpr UINT MIIM_FTYPE = 0x0100;

struct MENUITEMINFO {
    UINT cbSize = sizeof(MENUITEMINFO);
    UINT fMask = 0;
    UINT fType = 0;
    UINT fState = 0;
    UINT wID = 0;
    HMENU hSubMenu = nullptr;
    ULONG_PTR dwItemData = 0;
    const char* dwTypeData = nullptr;  // UTF-8 caption; "\t" separates the shortcut text
};

// Owner drawing (WM_MEASUREITEM / WM_DRAWITEM lParam)
inline constexpr UINT ODT_MENU = 1;
inline constexpr UINT ODA_DRAWENTIRE = 0x0001;
inline constexpr UINT ODA_SELECT = 0x0002;
inline constexpr UINT ODS_SELECTED = 0x0001;
inline constexpr UINT ODS_GRAYED = 0x0002;
inline constexpr UINT ODS_DISABLED = 0x0004;
inline constexpr UINT ODS_CHECKED = 0x0008;
inline constexpr UINT ODS_DEFAULT = 0x0020;

struct MEASUREITEMSTRUCT {
    UINT CtlType = ODT_MENU;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemWidth = 0;
    UINT itemHeight = 0;
    ULONG_PTR itemData = 0;
};

struct DRAWITEMSTRUCT {
    UINT CtlType = ODT_MENU;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = 0;
    UINT itemState = 0;
    HWND hwndItem = nullptr;  // for menus: the HMENU, as the platform passes it
    HDC hDC = nullptr;        // a window DC of the menu's window
    RECT rcItem{};            // in that window's coordinates
    ULONG_PTR itemData = 0;
};

// TrackPopupMenu flags
inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_TOPALIGN = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;
inline constexpr UINT TPM_CENTERALIGN = 0x0004;
inline constexpr UINT TPM_RIGHTALIGN = 0x0008;
inline constexpr UINT TPM_BOTTOMALIGN = 0x0020;
inline constexpr UINT TPM_RETURNCMD = 0x0100;

HMENU CreateMenu();
HMENU CreatePopupMenu();
// Sub-menus are destroyed with their menu.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);

// With MF_POPUP, idOrSubmenu is the sub-menu; with MF_OWNERDRAW, text is the item data instead of a caption.
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrSubmenu, const char* text);
BOOL InsertMenuItem(HMENU menu, UINT position, BOOL byPosition, const MENUITEMINFO* info);
BOOL SetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFO* info);
// DeleteMenu destroys the item's sub-menu, RemoveMenu keeps it.
BOOL DeleteMenu(HMENU menu, UINT item, UINT flags);
BOOL RemoveMenu(HMENU menu, UINT item, UINT flags);
int GetMenuItemCount(HMENU menu);              // -1 for a stale handle
UINT GetMenuItemID(HMENU menu, int position);  // 0xFFFFFFFF for sub-menus and bad positions
HMENU GetSubMenu(HMENU menu, int position);

// Makes menu the window's menu bar (0 removes it); the non-client area is laid out again.
BOOL SetMenu(HWND hwnd, HMENU menu);
HMENU GetMenu(HWND hwnd);
// Measures the bar again (owner-drawn items through WM_MEASUREITEM) and repaints it.
BOOL DrawMenuBar(HWND hwnd);

// Opens menu at a screen point and runs the tracking loop until an item is chosen or the menu is dismissed.
// A click outside the menu dismisses it and is swallowed. With TPM_RETURNCMD the chosen id (0 for none) is
// returned; otherwise WM_COMMAND is posted to owner and the result tells whether an item was chosen.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* ignored);
// Ends the running tracking loop as a dismissal.
BOOL EndMenu();
// Screen rectangle of an item. hwnd may be 0: the window showing the menu is found. A popup that is closed
// reports its last layout; one never shown an empty rectangle (and FALSE).
BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT position, RECT* rect);

}  // namespace win

namespace user {

// The size of the window that TrackPopupMenu opens for the menu as it stands, shown before or not: every item
// measured as it will be painted (owner-drawn ones through WM_MEASUREITEM to owner), the frame around them.
win::SIZE PopupMenuSize(win::HWND owner, win::HMENU menu);

}  // namespace user
