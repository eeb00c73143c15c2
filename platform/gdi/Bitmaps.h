#pragma once
// Bitmaps: 32-bit surfaces behind HBITMAP handles, selectable into memory DCs.
#include <memory>

#include "platform/gdi/Types.h"

namespace gdi {
class Surface;
}

namespace win {

// Black, width x height. A zero size gives a 1x1 bitmap; a negative one fails.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);

}  // namespace win

namespace gdi {

win::HBITMAP CreateBitmap(Surface pixels);
// The bitmap's pixels, shared with every DC it is selected into; null for a stale handle.
std::shared_ptr<Surface> BitmapSurface(win::HBITMAP bitmap);

}  // namespace gdi
