#pragma once
// Menu items in the classic look: the layer's own menus draw their items with it, and so may owner-drawn items that
// want to look like them. Items are measured and drawn in the menu font.
#include <string>

#include "platform/gdi/Palette.h"
#include "platform/user/Types.h"

namespace user::classic {

// What an item shows: its caption ("&" marks the underlined letter; a tab separates the shortcut text) and state.
struct MenuItemLook {
    std::string text;
    bool separator = false;
    bool disabled = false;
    bool checked = false;
    bool radio = false;
    bool submenu = false;
};

// The size of an item that is not owner drawn; bar items are as high as the bar.
win::SIZE MeasureMenuItem(const MenuItemLook& item, bool bar);
// r is the item's rectangle in the coordinates of dc.
void PaintMenuItem(win::HDC dc, const win::RECT& r, const MenuItemLook& item, bool selected, bool bar,
                   const gdi::Palette& palette = gdi::Palette::System());

// The font menus are drawn and measured with.
win::HFONT MenuFont();
// Text on one line, vertically centred, in the menu font.
void DrawMenuText(win::HDC dc, const char* text, const win::RECT& r, win::COLORREF colour, win::UINT align);

}  // namespace user::classic
