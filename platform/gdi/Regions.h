#pragma once
// Region objects behind HRGN handles.
#include <optional>

#include "platform/gdi/Region.h"
#include "platform/gdi/Types.h"

namespace win {

// CombineRgn modes
inline constexpr int RGN_AND = 1;
inline constexpr int RGN_OR = 2;
inline constexpr int RGN_XOR = 3;
inline constexpr int RGN_DIFF = 4;
inline constexpr int RGN_COPY = 5;

// Region complexity results; ERROR also reports a stale handle.
inline constexpr int ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
// dest may be one of the sources. For RGN_COPY src2 is ignored.
int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode);
int GetRgnBox(HRGN rgn, RECT* box);
BOOL PtInRegion(HRGN rgn, int x, int y);
int OffsetRgn(HRGN rgn, int dx, int dy);

}  // namespace win

namespace gdi {

// For the window layer: the shape behind a handle (nullopt for a stale one), and a new handle over a shape.
std::optional<Region> RegionOf(win::HRGN rgn);
win::HRGN CreateRegionHandle(const Region& region);
// Replaces the shape behind an existing handle (GetWindowRgn copies into the caller's region). Returns the
// region's complexity, or ERROR for a stale handle.
int SetRegionShape(win::HRGN rgn, const Region& region);

}  // namespace gdi
