#pragma once
// Copying pixels between device contexts (or within one).
#include "platform/gdi/Types.h"

namespace win {

// Raster operations
inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr DWORD SRCAND = 0x008800C6;

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop);
// Nearest-neighbour scaling; source and destination may be the same DC and may overlap.
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth, int srcHeight,
                DWORD rop);

}  // namespace win
