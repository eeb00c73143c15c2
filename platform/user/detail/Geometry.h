#pragma once
// Where a window lies: on the screen, inside its top-level window's backing store, and its client area.
#include "platform/gdi/Region.h"
#include "platform/user/Types.h"

namespace user::detail {

using namespace win;

struct WindowRecord;

// Non-client widths per side, the menu bar included.
RECT ClientInsets(const WindowRecord& w);
RECT ScreenRect(const WindowRecord& w);
RECT ClientScreenRect(const WindowRecord& w);
HWND TopLevelOf(HWND hwnd);
// Visible here means: the window and every ancestor are shown.
bool ReallyVisible(const WindowRecord& w);
// The part of the top-level window that a window may draw on, in top-level coordinates: its own rectangle (or its
// client area) clipped by every ancestor's client area and by the windows' regions.
gdi::Region DrawableArea(const WindowRecord& w, bool clientOnly);

RECT Intersect(const RECT& a, const RECT& b);
RECT Offset(const RECT& r, int dx, int dy);
bool Contains(const RECT& r, POINT p);
bool IsEmpty(const RECT& r);

}  // namespace user::detail
