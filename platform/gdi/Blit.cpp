#include "platform/gdi/Blit.h"

#include <cstdint>
#include <vector>

#include "platform/gdi/detail/DeviceContext.h"
#include "platform/gdi/detail/Raster.h"

namespace win {
namespace {

using gdi::detail::DeviceContext;
using gdi::detail::Raster;

bool KnownOperation(DWORD rop) { return rop == SRCCOPY || rop == SRCAND; }

// Source pixels are read before any is written, so a DC may copy onto itself. Source pixels outside the
// source surface leave their destination alone.
BOOL Transfer(const DeviceContext& dest, int x, int y, int width, int height, const DeviceContext& src, int srcX,
              int srcY, int srcWidth, int srcHeight, DWORD rop) {
    const gdi::Surface& from = *src.surface;
    std::vector<int> columns(static_cast<std::size_t>(width));
    for (int i = 0; i < width; ++i) {
        columns[std::size_t(i)] = srcX + int(std::int64_t(i) * srcWidth / width) + src.origin.x;
    }
    std::vector<COLORREF> taken(std::size_t(width) * std::size_t(height));
    for (int j = 0; j < height; ++j) {
        const int sy = srcY + int(std::int64_t(j) * srcHeight / height) + src.origin.y;
        for (int i = 0; i < width; ++i) {
            taken[std::size_t(j) * std::size_t(width) + std::size_t(i)] = from.pixel(columns[std::size_t(i)], sy);
        }
    }
    Raster raster(dest);
    const gdi::Region visible = raster.visiblePart({x, y, x + width, y + height});
    const POINT origin = raster.origin();
    for (const RECT& r : visible.rects()) {
        for (int dy = r.top; dy < r.bottom; ++dy) {
            auto row = raster.surface().row(dy);
            const COLORREF* line = taken.data() + std::size_t(dy - origin.y - y) * std::size_t(width);
            for (int dx = r.left; dx < r.right; ++dx) {
                const COLORREF pixel = line[dx - origin.x - x];
                if (pixel == CLR_INVALID) {
                    continue;
                }
                auto& target = row[std::size_t(dx)];
                target = rop == SRCAND ? (target & pixel) : pixel;
            }
        }
    }
    return TRUE;
}

}  // namespace

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop) {
    return StretchBlt(dest, x, y, width, height, src, srcX, srcY, width, height, rop);
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth, int srcHeight,
                DWORD rop) {
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
