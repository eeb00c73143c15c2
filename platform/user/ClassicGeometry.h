#pragma once
// The geometry of the classic 3-D look. Code that paints over native frames and menus (the flat look) relies on these
// numbers, so they live here, in one place, and tests pin them down. The constants are the sizes at 96 dpi; windows
// get them scaled to the display resolution through Current().
#include "platform/user/Types.h"

namespace user::classic {

inline constexpr int kDesignDpi = 96;

// Frames, in pixels per side.
inline constexpr int kBorder = 1;          // WS_BORDER alone: one black line
inline constexpr int kClientEdge = 2;      // WS_EX_CLIENTEDGE: sunken, two lines
inline constexpr int kFixedFrame = 3;      // WS_DLGFRAME (and WS_CAPTION without a sizing frame): raised
inline constexpr int kSizingFrame = 4;     // WS_THICKFRAME
inline constexpr int kCaptionHeight = 19;  // caption bar and the line under it
inline constexpr int kScrollBarSize = 16;  // scroll bar width, thumb size
inline constexpr int kMenuCheckSize = 13;

// Menu bar: sits under the caption; its height is the larger of kMenuBarHeight and the tallest measured item.
inline constexpr int kMenuBarHeight = 19;
inline constexpr int kMenuBarTextPadding = 6;  // left and right of a text item's caption
// Owner-drawn bar items get the same room around what they measured as a text item has around its caption.
inline constexpr int kOwnerDrawBarExtraWidth = 2 * kMenuBarTextPadding;

// Popup menu windows: a fixed frame of kPopupMargin on every side; the first item's rectangle starts at
// (kPopupMargin, kPopupMargin) in window coordinates and items are stacked without gaps.
inline constexpr int kPopupMargin = 3;
// Owner-drawn popup items are the measured width plus room for the check mark column.
inline constexpr int kOwnerDrawPopupExtraWidth = kMenuCheckSize - 1;
// Owner-drawn items are measured starting from width 0 and this height.
inline constexpr int kOwnerDrawDefaultHeight = 18;
inline constexpr int kPopupTextItemHeight = 18;
inline constexpr int kPopupSeparatorHeight = 8;
inline constexpr int kPopupCheckColumn = 18;  // text items: the text starts here, inside the item
inline constexpr int kPopupArrowColumn = 16;  // text items: the sub-menu arrow and shortcut gap at the right
inline constexpr int kSubmenuOverlap = 3;     // a sub-menu opens this far over its parent's right edge

// Check boxes and radio buttons: the box, and the gap between it and the caption.
inline constexpr int kCheckBoxSize = 13;
inline constexpr int kCheckBoxCaptionGap = 4;

// Tabs of a page control: the least tab height, what a tab adds to its caption's height and to each side of it,
// and the margin between the page frame and a page.
inline constexpr int kTabMinHeight = 18;
inline constexpr int kTabExtraHeight = 8;
inline constexpr int kTabCaptionPadding = 6;
inline constexpr int kTabPageMargin = 4;

// Input.
inline constexpr int kDoubleClickMs = 500;
inline constexpr int kDoubleClickDistance = 4;  // the double-click rectangle's width and height

// The sizes windows get at one display resolution. Each is its 96-dpi constant times dpi / 96, rounded to the nearest
// pixel with halves rounded up (18 -> 23 and 19 -> 24 at 120 dpi). Edges drawn as one or two lines (kBorder,
// kClientEdge) stay so at every resolution.
struct Geometry {
    int fixedFrame;
    int sizingFrame;
    int captionHeight;
    int scrollBarSize;
    int menuCheckSize;
    int menuBarHeight;
    int menuBarTextPadding;
    int ownerDrawBarExtraWidth;
    int ownerDrawPopupExtraWidth;
    int ownerDrawDefaultHeight;
    int popupTextItemHeight;
    int popupSeparatorHeight;
    int popupCheckColumn;
    int popupArrowColumn;
    int popupMargin;
    int submenuOverlap;
    int checkBoxSize;
    int checkBoxCaptionGap;
    int tabMinHeight;
    int tabExtraHeight;
    int tabCaptionPadding;
    int tabPageMargin;
};

Geometry GeometryAt(int dpi);
// The geometry at the display resolution; worked out once for each resolution a thread sees.
const Geometry& Current();

// Left, top, right and bottom widths of a window's non-client area for these styles (menu bar not included), at the
// display resolution, or in the given geometry.
win::RECT NonClientInsets(win::DWORD style, win::DWORD exStyle);
win::RECT NonClientInsets(win::DWORD style, win::DWORD exStyle, const Geometry& geometry);

}  // namespace user::classic
