#include "platform/user/detail/MenuItemPainter.h"

#include "platform/user/ClassicGeometry.h"
#include "platform/user/ClassicMenuItem.h"
#include "platform/user/Menu.h"
#include "platform/user/Messages.h"
#include "platform/user/detail/Dispatch.h"
#include "platform/user/detail/MenuRecord.h"

namespace user::detail {

namespace {

classic::MenuItemLook LookOf(const MenuItem& item) {
    return classic::MenuItemLook{.text = item.text,
                                 .separator = item.separator(),
                                 .disabled = item.disabled(),
                                 .checked = (item.state & MFS_CHECKED) != 0,
                                 .radio = (item.type & MFT_RADIOCHECK) != 0,
                                 .submenu = item.submenu != nullptr};
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

}  // namespace

SIZE MeasureMenuItem(HWND owner, const MenuItem& item, bool bar) {
    if (item.ownerDrawn()) {
        MEASUREITEMSTRUCT mis;
        mis.CtlType = ODT_MENU;
        mis.itemID = item.id;
        mis.itemWidth = 0;
        mis.itemHeight = classic::Current().ownerDrawDefaultHeight;
        mis.itemData = item.data;
        Send(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
        return SIZE{static_cast<LONG>(mis.itemWidth), static_cast<LONG>(mis.itemHeight)};
    }
    return classic::MeasureMenuItem(LookOf(item), bar);
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
    classic::PaintMenuItem(dc, r, LookOf(item), selected, bar, palette);
}

}  // namespace user::detail
