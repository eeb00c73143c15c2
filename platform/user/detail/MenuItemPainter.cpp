#include "platform/user/detail/MenuItemPainter.h"

#include <algorithm>
#include <string>

#include "platform/gdi/DC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/Menu.h"
#include "platform/user/Messages.h"
#include "platform/user/detail/Dispatch.h"
#include "platform/user/detail/MenuRecord.h"

namespace user::detail {

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

UINT OwnerDrawState(const MenuItem& item, bool selected) {
    UINT state = 0;
    if (selected) state |= ODS_SELECTED;
    if (item.state & MF_GRAYED) state |= ODS_GRAYED;
    if (item.state & MF_DISABLED) state |= ODS_DISABLED;
    if (item.state & MFS_CHECKED) state |= ODS_CHECKED;
    if (item.state & MFS_DEFAULT) state |= ODS_DEFAULT;
    return state;
}

void DrawCheck(HDC dc, const MenuItem& item, const RECT& column, COLORREF colour) {
    const int cx = (column.left + column.right) / 2;
    const int cy = (column.top + column.bottom) / 2;
    if (item.type & MFT_RADIOCHECK) {
        gdi::OutlinedEllipse(dc, RECT{cx - 3, cy - 3, cx + 3, cy + 3}, colour, colour);
        return;
    }
    for (int i = 0; i < 3; ++i) {
        gdi::Line(dc, cx - 3, cy - 1 + i, cx - 1, cy + 1 + i, colour);
        gdi::Line(dc, cx - 1, cy + 1 + i, cx + 4, cy - 4 + i, colour);
    }
}

void DrawSubmenuArrow(HDC dc, const RECT& r, COLORREF colour) {
    const int x = r.right - classic::kPopupArrowColumn / 2 - 2;
    const int cy = (r.top + r.bottom) / 2;
    for (int i = 0; i < 4; ++i) gdi::Line(dc, x + i, cy - 3 + i, x + i, cy + 4 - i, colour);
}

void DrawClassicPopupItem(const MenuItem& item, HDC dc, const RECT& r, bool selected, const gdi::Palette& palette) {
    if (item.separator()) {
        gdi::FillSolid(dc, r, palette[COLOR_MENU]);
        const int y = (r.top + r.bottom) / 2 - 1;
        gdi::FillSolid(dc, RECT{r.left + 1, y, r.right - 1, y + 1}, palette[COLOR_BTNSHADOW]);
        gdi::FillSolid(dc, RECT{r.left + 1, y + 1, r.right - 1, y + 2}, palette[COLOR_BTNHIGHLIGHT]);
        return;
    }
    gdi::FillSolid(dc, r, palette[selected ? COLOR_HIGHLIGHT : COLOR_MENU]);
    const COLORREF colour = item.disabled() ? palette[COLOR_GRAYTEXT]
                            : selected      ? palette[COLOR_HIGHLIGHTTEXT]
                                            : palette[COLOR_MENUTEXT];
    const auto [caption, shortcut] = SplitCaption(item.text);
    const RECT textBox{r.left + classic::kPopupCheckColumn, r.top, r.right - classic::kPopupArrowColumn, r.bottom};
    DrawMenuText(dc, caption.c_str(), textBox, colour, DT_LEFT);
    if (!shortcut.empty()) DrawMenuText(dc, shortcut.c_str(), textBox, colour, DT_RIGHT);
    if (item.state & MFS_CHECKED)
        DrawCheck(dc, item, RECT{r.left, r.top, r.left + classic::kPopupCheckColumn, r.bottom}, colour);
    if (item.submenu) DrawSubmenuArrow(dc, r, colour);
}

void DrawClassicBarItem(const MenuItem& item, HDC dc, const RECT& r, bool selected, const gdi::Palette& palette) {
    gdi::FillSolid(dc, r, palette[COLOR_MENU]);
    if (selected) {
        RECT ring = r;
        gdi::Bevel(dc, ring, palette[COLOR_BTNSHADOW], palette[COLOR_BTNHIGHLIGHT]);
    }
    const RECT textBox = selected ? RECT{r.left + 1, r.top + 1, r.right + 1, r.bottom + 1} : r;
    DrawMenuText(dc, SplitCaption(item.text).first.c_str(), textBox,
                 palette[item.disabled() ? COLOR_GRAYTEXT : COLOR_MENUTEXT], DT_CENTER);
}

}  // namespace

HFONT MenuFont() { return reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

void DrawMenuText(HDC dc, const char* text, const RECT& r, COLORREF colour, UINT align) {
    HGDIOBJ oldFont = SelectObject(dc, MenuFont());
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    RECT box = r;
    DrawText(dc, text, -1, &box, align | DT_SINGLELINE | DT_VCENTER);
    SelectObject(dc, oldFont);
}

SIZE MeasureMenuItem(HWND owner, const MenuItem& item, bool bar) {
    if (item.ownerDrawn()) {
        MEASUREITEMSTRUCT mis;
        mis.CtlType = ODT_MENU;
        mis.itemID = item.id;
        mis.itemWidth = 0;
        mis.itemHeight = classic::kOwnerDrawDefaultHeight;
        mis.itemData = item.data;
        Send(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
        return SIZE{static_cast<LONG>(mis.itemWidth), static_cast<LONG>(mis.itemHeight)};
    }
    if (bar) {
        const SIZE text = TextSize(SplitCaption(item.text).first);
        return SIZE{text.cx + 2 * classic::kMenuBarTextPadding, classic::kMenuBarHeight};
    }
    if (item.separator()) return SIZE{0, classic::kPopupSeparatorHeight};
    const auto [caption, shortcut] = SplitCaption(item.text);
    const SIZE text = TextSize(caption);
    LONG width = classic::kPopupCheckColumn + text.cx + classic::kPopupArrowColumn;
    if (!shortcut.empty()) width += TextSize(shortcut).cx + classic::kPopupArrowColumn;
    return SIZE{width, std::max<LONG>(classic::kPopupTextItemHeight, text.cy + 4)};
}

void DrawMenuItem(HWND owner, HMENU menu, const MenuItem& item, HDC dc, const RECT& r, bool selected, bool bar,
                  UINT action, const gdi::Palette& palette) {
    if (item.ownerDrawn()) {
        DRAWITEMSTRUCT dis;
        dis.CtlType = ODT_MENU;
        dis.itemID = item.id;
        dis.itemAction = action;
        dis.itemState = OwnerDrawState(item, selected);
        dis.hwndItem = reinterpret_cast<HWND>(menu);
        dis.hDC = dc;
        dis.rcItem = r;
        dis.itemData = item.data;
        Send(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
        return;
    }
    if (bar)
        DrawClassicBarItem(item, dc, r, selected, palette);
    else
        DrawClassicPopupItem(item, dc, r, selected, palette);
}

}  // namespace user::detail
