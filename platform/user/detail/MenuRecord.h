#pragma once
// What the layer keeps per menu, and the table of live menus.
#include <memory>
#include <string>
#include <vector>

#include "platform/user/Menu.h"
#include "platform/user/Types.h"

namespace user::detail {

using namespace win;

struct MenuItem {
    UINT type = 0;   // MFT_*
    UINT state = 0;  // MFS_*
    UINT id = 0;
    HMENU submenu = nullptr;
    ULONG_PTR data = 0;
    std::string text;
    // The last layout: the rectangle in the coordinates of the window that showed the item, and on the screen.
    RECT windowRect{};
    RECT screenRect{};
    bool laidOut = false;

    bool separator() const { return (type & MFT_SEPARATOR) != 0; }
    bool ownerDrawn() const { return (type & MFT_OWNERDRAW) != 0; }
    bool disabled() const { return (state & MFS_DISABLED) != 0; }
    bool selectable() const { return !separator() && !disabled(); }
};

struct MenuRecord {
    HMENU handle = nullptr;
    std::vector<MenuItem> items;
    HWND barWindow = nullptr;   // the window whose bar this is
    HWND openWindow = nullptr;  // the popup window showing it, while open
};

std::shared_ptr<MenuRecord> FindMenu(HMENU menu);
HMENU AddMenu(std::shared_ptr<MenuRecord> menu);
void RemoveMenuRecord(HMENU menu);

}  // namespace user::detail
