#pragma once
// Pixel access for one drawing call: logical coordinates in, clipped writes to the DC's surface out.
#include <cstdint>

#include "platform/gdi/Region.h"
#include "platform/gdi/Types.h"

namespace gdi {
class Surface;
}

namespace gdi::detail {

struct DeviceContext;

class Raster {
  public:
    explicit Raster(const DeviceContext& context);

    // Narrows the writable area further (logical coordinates), as DrawText clips to its rectangle.
    void restrictTo(const win::RECT& logical);
    bool visible(int x, int y) const;
    // Colours are resolved RGB values.
    void plot(int x, int y, win::COLORREF colour);
    void fill(const win::RECT& logical, win::COLORREF colour);
    // Lays colour over the width by height box at (left, top), each pixel by its coverage (row by row, 0..255).
    void blend(int left, int top, int width, int height, const std::uint8_t* coverage, win::COLORREF colour);
    // CLR_INVALID when not visible.
    win::COLORREF read(int x, int y) const;
    // For bulk writes: the visible part of a logical rectangle in surface coordinates, and the surface
    // itself.
    Region visiblePart(const win::RECT& logical) const;
    Surface& surface() { return surface_; }
    win::POINT origin() const { return origin_; }

  private:
    Surface& surface_;
    win::POINT origin_;
    Region area_;  // surface coordinates
};

}  // namespace gdi::detail
