#include "platform/user/ClassicGeometry.h"

#include "platform/gdi/DC.h"
#include "platform/user/WindowStyles.h"

namespace user::classic {

using namespace win;

namespace {

int Scaled(int size, int dpi) { return (2 * size * dpi + kDesignDpi) / (2 * kDesignDpi); }

}  // namespace

Geometry GeometryAt(int dpi) {
    const int check = Scaled(kMenuCheckSize, dpi);
    const int fixedFrame = Scaled(kFixedFrame, dpi);
    const int barPadding = Scaled(kMenuBarTextPadding, dpi);
    return Geometry{
        .fixedFrame = fixedFrame,
        .sizingFrame = Scaled(kSizingFrame, dpi),
        .captionHeight = Scaled(kCaptionHeight, dpi),
        .scrollBarSize = Scaled(kScrollBarSize, dpi),
        .menuCheckSize = check,
        .menuBarHeight = Scaled(kMenuBarHeight, dpi),
        .menuBarTextPadding = barPadding,
        .ownerDrawBarExtraWidth = 2 * barPadding,
        .ownerDrawPopupExtraWidth = check - 1,
        .ownerDrawDefaultHeight = Scaled(kOwnerDrawDefaultHeight, dpi),
        .popupTextItemHeight = Scaled(kPopupTextItemHeight, dpi),
        .popupSeparatorHeight = Scaled(kPopupSeparatorHeight, dpi),
        .popupCheckColumn = Scaled(kPopupCheckColumn, dpi),
        .popupArrowColumn = Scaled(kPopupArrowColumn, dpi),
        // A popup menu window's frame is a fixed frame.
        .popupMargin = fixedFrame,
        .submenuOverlap = Scaled(kSubmenuOverlap, dpi),
        .checkBoxSize = Scaled(kCheckBoxSize, dpi),
        .checkBoxCaptionGap = Scaled(kCheckBoxCaptionGap, dpi),
        .tabMinHeight = Scaled(kTabMinHeight, dpi),
        .tabExtraHeight = Scaled(kTabExtraHeight, dpi),
        .tabCaptionPadding = Scaled(kTabCaptionPadding, dpi),
        .tabPageMargin = Scaled(kTabPageMargin, dpi),
    };
}

const Geometry& Current() {
    // The resolution is set once at start (tests change it), so a cache per thread avoids locking on every paint.
    thread_local int cachedDpi = kDesignDpi;
    thread_local Geometry cached = GeometryAt(kDesignDpi);
    const int dpi = gdi::PixelsPerInch();
    if (dpi != cachedDpi) {
        cached = GeometryAt(dpi);
        cachedDpi = dpi;
    }
    return cached;
}

RECT NonClientInsets(DWORD style, DWORD exStyle) { return NonClientInsets(style, exStyle, Current()); }

RECT NonClientInsets(DWORD style, DWORD exStyle, const Geometry& g) {
    int frame = 0;
    if (style & WS_THICKFRAME)
        frame = g.sizingFrame;
    else if (style & WS_DLGFRAME)
        frame = g.fixedFrame;
    else if (style & WS_BORDER)
        frame = kBorder;
    if (exStyle & WS_EX_CLIENTEDGE) frame += kClientEdge;
    const int caption = (style & WS_CAPTION) == WS_CAPTION ? g.captionHeight : 0;
    return RECT{frame, frame + caption, frame, frame};
}

}  // namespace user::classic
