#include "platform/gdi/detail/Raster.h"

#include <algorithm>

#include "platform/gdi/detail/DeviceContext.h"

namespace gdi::detail {
namespace {

std::uint32_t Mix(std::uint32_t under, std::uint32_t over, std::uint32_t coverage) {
    std::uint32_t mixed = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t a = (under >> shift) & 0xFF;
        const std::uint32_t b = (over >> shift) & 0xFF;
        mixed |= ((a * (255 - coverage) + b * coverage + 127) / 255) << shift;
    }
    return mixed;
}

}  // namespace

Raster::Raster(const DeviceContext& context)
    : surface_(*context.surface),
      origin_(context.origin),
      area_(win::RECT{0, 0, context.surface->width(), context.surface->height()}) {
    if (context.clip) {
        area_ = area_.intersected(*context.clip);
    }
    if (context.selectedClip) {
        area_ = area_.intersected(*context.selectedClip);
    }
}

void Raster::restrictTo(const win::RECT& logical) {
    area_ = area_.intersected(win::RECT{logical.left + origin_.x, logical.top + origin_.y, logical.right + origin_.x,
                                        logical.bottom + origin_.y});
}

bool Raster::visible(int x, int y) const { return area_.contains(x + origin_.x, y + origin_.y); }

void Raster::plot(int x, int y, win::COLORREF colour) {
    if (visible(x, y)) {
        surface_.setPixel(x + origin_.x, y + origin_.y, colour);
    }
}

Region Raster::visiblePart(const win::RECT& logical) const {
    return area_.intersected(win::RECT{logical.left + origin_.x, logical.top + origin_.y, logical.right + origin_.x,
                                       logical.bottom + origin_.y});
}

void Raster::fill(const win::RECT& logical, win::COLORREF colour) {
    const Region painted = visiblePart(logical);
    for (const win::RECT& r : painted.rects()) {
        for (int y = r.top; y < r.bottom; ++y) {
            auto row = surface_.row(y);
            std::fill(row.begin() + r.left, row.begin() + r.right, colour & 0xFFFFFF);
        }
    }
}

void Raster::blend(int left, int top, int width, int height, const std::uint8_t* coverage, win::COLORREF colour) {
    const Region painted = visiblePart(win::RECT{left, top, left + width, top + height});
    const std::uint32_t over = colour & 0xFFFFFF;
    for (const win::RECT& r : painted.rects()) {
        for (int y = r.top; y < r.bottom; ++y) {
            auto row = surface_.row(y);
            const std::uint8_t* cover = coverage + std::size_t(y - origin_.y - top) * std::size_t(width);
            for (int x = r.left; x < r.right; ++x) {
                const std::uint32_t c = cover[x - origin_.x - left];
                if (c != 0) {
                    row[std::size_t(x)] = c == 255 ? over : Mix(row[std::size_t(x)], over, c);
                }
            }
        }
    }
}

win::COLORREF Raster::read(int x, int y) const {
    return visible(x, y) ? surface_.pixel(x + origin_.x, y + origin_.y) : win::CLR_INVALID;
}

}  // namespace gdi::detail
