#pragma once
// A 32-bit pixel surface: the backing store of a window (non-client area included) or of a bitmap.
// Pixels are COLORREF values (0x00BBGGRR; the same bytes as SDL's XBGR8888 on a little-endian machine).
#include <cstdint>
#include <span>
#include <vector>

#include "platform/gdi/Types.h"

namespace gdi {

class Surface {
  public:
    Surface() = default;
    Surface(int width, int height, win::COLORREF fill = 0);

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // CLR_INVALID outside the surface; writes outside are ignored.
    win::COLORREF pixel(int x, int y) const;
    void setPixel(int x, int y, win::COLORREF colour);
    void fill(win::COLORREF colour);

    std::span<std::uint32_t> row(int y);
    std::span<const std::uint32_t> row(int y) const;
    std::span<const std::uint32_t> pixels() const { return pixels_; }

    // New size; the overlapping top-left part keeps its pixels, the rest takes the fill colour.
    void resize(int width, int height, win::COLORREF fill = 0);

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace gdi
