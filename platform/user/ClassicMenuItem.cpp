#include "platform/user/ClassicMenuItem.h"

#include <algorithm>
#include <utility>

#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/Text.h"
#include "platform/user/ClassicGeometry.h"

namespace user::classic {

using namespace win;

namespace {

// Caption and shortcut text are separated by a tab.
std::pair<std::string, std::string> SplitCaption(const std::string& text) {
    const auto tab = text.find('\t');
    if (tab == std::string::npos) return {text, {}};
    return {text.substr(0, tab), text.substr(tab + 1)};
}

SIZE TextSize(const std::string& text) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, MenuFont());
    RECT box{0, 0, 0, 0};
    DrawText(dc, text.empty() ? " " : text.c_str(), -1, &box, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteDC(dc);
    return SIZE{text.empty() ? 0 : box.right - box.left, box.bottom - box.top};
}

void DrawCheck(HDC dc, bool radio, const RECT& column, COLORREF colour) {
    const int cx = (column.left + column.right) / 2;
    const int cy = (column.top + column.bottom) / 2;
    if (radio) {
        gdi::OutlinedEllipse(dc, RECT{cx - 3, cy - 3, cx + 3, cy + 3}, colour, colour);
        return;
    }
    for (int i = 0; i < 3; ++i) {
        gdi::Line(dc, cx - 3, cy - 1 + i, cx - 1, cy + 1 + i, colour);
        gdi::Line(dc, cx - 1, cy + 1 + i, cx + 4, cy - 4 + i, colour);
    }
}

void DrawSubmenuArrow(HDC dc, const RECT& r, COLORREF colour) {
    const int x = r.right - Current().popupArrowColumn / 2 - 2;
    const int cy = (r.top + r.bottom) / 2;
    for (int i = 0; i < 4; ++i) gdi::Line(dc, x + i, cy - 3 + i, x + i, cy + 4 - i, colour);
}

void PaintPopupItem(HDC dc, const RECT& r, const MenuItemLook& item, bool selected, const gdi::Palette& palette) {
    if (item.separator) {
        gdi::FillSolid(dc, r, palette[COLOR_MENU]);
        const int y = (r.top + r.bottom) / 2 - 1;
        gdi::FillSolid(dc, RECT{r.left + 1, y, r.right - 1, y + 1}, palette[COLOR_BTNSHADOW]);
        gdi::FillSolid(dc, RECT{r.left + 1, y + 1, r.right - 1, y + 2}, palette[COLOR_BTNHIGHLIGHT]);
        return;
    }
    gdi::FillSolid(dc, r, palette[selected ? COLOR_HIGHLIGHT : COLOR_MENU]);
    const COLORREF colour = item.disabled ? palette[COLOR_GRAYTEXT]
                            : selected    ? palette[COLOR_HIGHLIGHTTEXT]
                                          : palette[COLOR_MENUTEXT];
    const auto [caption, shortcut] = SplitCaption(item.text);
    const RECT textBox{r.left + Current().popupCheckColumn, r.top, r.right - Current().popupArrowColumn, r.bottom};
    DrawMenuText(dc, caption.c_str(), textBox, colour, DT_LEFT);
    if (!shortcut.empty()) DrawMenuText(dc, shortcut.c_str(), textBox, colour, DT_RIGHT);
    if (item.checked)
        DrawCheck(dc, item.radio, RECT{r.left, r.top, r.left + Current().popupCheckColumn, r.bottom}, colour);
    if (item.submenu) DrawSubmenuArrow(dc, r, colour);
}

void PaintBarItem(HDC dc, const RECT& r, const MenuItemLook& item, bool selected, const gdi::Palette& palette) {
    gdi::FillSolid(dc, r, palette[COLOR_MENU]);
    if (selected) {
        RECT ring = r;
        gdi::Bevel(dc, ring, palette[COLOR_BTNSHADOW], palette[COLOR_BTNHIGHLIGHT]);
    }
    const RECT textBox = selected ? RECT{r.left + 1, r.top + 1, r.right + 1, r.bottom + 1} : r;
    DrawMenuText(dc, SplitCaption(item.text).first.c_str(), textBox,
                 palette[item.disabled ? COLOR_GRAYTEXT : COLOR_MENUTEXT], DT_CENTER);
}

}  // namespace

SIZE MeasureMenuItem(const MenuItemLook& item, bool bar) {
    if (bar) {
        const SIZE text = TextSize(SplitCaption(item.text).first);
        return SIZE{text.cx + 2 * Current().menuBarTextPadding, Current().menuBarHeight};
    }
    if (item.separator) return SIZE{0, Current().popupSeparatorHeight};
    const auto [caption, shortcut] = SplitCaption(item.text);
    const SIZE text = TextSize(caption);
    LONG width = Current().popupCheckColumn + text.cx + Current().popupArrowColumn;
    if (!shortcut.empty()) width += TextSize(shortcut).cx + Current().popupArrowColumn;
    return SIZE{width, std::max<LONG>(Current().popupTextItemHeight, text.cy + 4)};
}

void PaintMenuItem(HDC dc, const RECT& r, const MenuItemLook& item, bool selected, bool bar,
                   const gdi::Palette& palette) {
    if (bar) {
        PaintBarItem(dc, r, item, selected, palette);
    } else {
        PaintPopupItem(dc, r, item, selected, palette);
    }
}

HFONT MenuFont() { return reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

void DrawMenuText(HDC dc, const char* text, const RECT& r, COLORREF colour, UINT align) {
    HGDIOBJ oldFont = SelectObject(dc, MenuFont());
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    RECT box = r;
    DrawText(dc, text, -1, &box, align | DT_SINGLELINE | DT_VCENTER);
    SelectObject(dc, oldFont);
}

}  // namespace user::classic
