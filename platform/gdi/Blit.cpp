#include "platform/gdi/Blit.h"

#include <vector>

#include "platform/gdi/detail/DeviceContext.h"
#include "platform/gdi/detail/Raster.h"

namespace win {
namespace {

using gdi::detail::DeviceContext;
using gdi::detail::Raster;

bool KnownOperation(DWORD rop) { return rop == SRCCOPY || rop == SRCAND; }

// Source pixels are read before any is written, so a DC may copy onto itself. Source pixels outside the source
// surface leave their destination alone.
BOOL Transfer(const DeviceContext& dest, int x, int y, int width, int height, const DeviceContext& src, int srcX,
              int srcY, int srcWidth, int srcHeight, DWORD rop) {
    const gdi::Surface& from = *src.surface;
    std::vector<COLORREF> taken(std::size_t(width) * std::size_t(height), CLR_INVALID);
    for (int j = 0; j < height; ++j) {
        const int sy = srcY + int(std::int64_t(j) * srcHeight / height) + src.origin.y;
        for (int i = 0; i < width; ++i) {
            const int sx = srcX + int(std::int64_t(i) * srcWidth / width) + src.origin.x;
            taken[std::size_t(j) * std::size_t(width) + std::size_t(i)] = from.pixel(sx, sy);
        }
    }
    Raster raster(dest);
    for (int j = 0; j < height; ++j) {
        for (int i = 0; i < width; ++i) {
            const COLORREF pixel = taken[std::size_t(j) * std::size_t(width) + std::size_t(i)];
            if (pixel == CLR_INVALID || !raster.visible(x + i, y + j)) {
                continue;
            }
            raster.plot(x + i, y + j, rop == SRCAND ? (raster.read(x + i, y + j) & pixel) : pixel);
        }
    }
    return TRUE;
}

}  // namespace

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop) {
    return StretchBlt(dest, x, y, width, height, src, srcX, srcY, width, height, rop);
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, DWORD rop) {
    const auto to = gdi::detail::FindDC(dest);
    const auto from = gdi::detail::FindDC(src);
    if (!to || !from || !KnownOperation(rop) || width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0) {
        return FALSE;
    }
    if (width == 0 || height == 0) {
        return TRUE;
    }
    return Transfer(*to, x, y, width, height, *from, srcX, srcY, srcWidth, srcHeight, rop);
}

}  // namespace win
