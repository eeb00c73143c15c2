#pragma once
// Device contexts: memory DCs with a selected bitmap, DCs over a window's surface (created by the window
// layer), and moved, clipped DCs for windowless controls. Drawing state: colours, background mode, current
// position.
#include <memory>
#include <optional>

#include "platform/gdi/Types.h"

namespace gdi {
class Region;
class Surface;
}  // namespace gdi

namespace win {

// Background modes
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// GetDeviceCaps indices
inline constexpr int BITSPIXEL = 12;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;

// A memory DC holding a 1x1 stock bitmap until one is selected. dc may be 0.
HDC CreateCompatibleDC(HDC dc);
// Ends any DC, also the window layer's (its ReleaseDC ends up here). FALSE for a stale handle.
BOOL DeleteDC(HDC dc);

COLORREF SetTextColor(HDC dc, COLORREF colour);  // returns the previous one, CLR_INVALID on failure
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF colour);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);  // returns the previous mode, 0 on failure
int GetBkMode(HDC dc);

// BITSPIXEL and LOGPIXELSX/Y report the injectable display settings below, whatever the DC.
int GetDeviceCaps(HDC dc, int index);

}  // namespace win

namespace gdi {

// A DC over a window's surface: logical (0, 0) lands on `origin` of the surface, and nothing outside `clip`
// (surface coordinates; none = the whole surface) is touched. `owner` is the window layer's tag (its window),
// returned by DCOwner; memory DCs have none.
win::HDC CreateSurfaceDC(std::shared_ptr<Surface> surface, win::POINT origin, const std::optional<Region>& clip,
                         const void* owner);
// For a windowless control: a DC over the same surface as `parent`, with logical (0, 0) at `bounds`' top-left
// (in the parent's logical coordinates) and clipped to `bounds` and to the parent's clip. Takes the parent's
// colours, objects and background mode.
win::HDC CreateMovedDC(win::HDC parent, const win::RECT& bounds);
const void* DCOwner(win::HDC dc);
// The surface a DC draws on (for memory DCs, the selected bitmap's); null for a stale handle.
std::shared_ptr<Surface> DCSurface(win::HDC dc);

// Display settings reported by GetDeviceCaps; tests inject 8, 16 or 32 bits and 96 or 120 dpi.
void SetBitsPerPixel(int bits);
void SetPixelsPerInch(int dpi);
int PixelsPerInch();
void ResetDisplaySettings();  // 32 bits, 96 dpi

}  // namespace gdi
