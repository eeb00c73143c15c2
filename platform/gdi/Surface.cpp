#include "platform/gdi/Surface.h"

#include <algorithm>

namespace gdi {

Surface::Surface(int width, int height, win::COLORREF fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(std::size_t(width_) * std::size_t(height_), fill & 0xFFFFFF) {}

win::COLORREF Surface::pixel(int x, int y) const {
    if (!contains(x, y)) {
        return win::CLR_INVALID;
    }
    return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
}

void Surface::setPixel(int x, int y, win::COLORREF colour) {
    if (contains(x, y)) {
        pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = colour & 0xFFFFFF;
    }
}

void Surface::fill(win::COLORREF colour) { std::fill(pixels_.begin(), pixels_.end(), colour & 0xFFFFFF); }

std::span<std::uint32_t> Surface::row(int y) {
    return std::span<std::uint32_t>(pixels_).subspan(std::size_t(y) * std::size_t(width_), std::size_t(width_));
}

std::span<const std::uint32_t> Surface::row(int y) const {
    return std::span<const std::uint32_t>(pixels_).subspan(std::size_t(y) * std::size_t(width_), std::size_t(width_));
}

void Surface::resize(int width, int height, win::COLORREF fill) {
    Surface resized(width, height, fill);
    const int keepWidth = std::min(width_, resized.width_);
    const int keepHeight = std::min(height_, resized.height_);
    for (int y = 0; y < keepHeight; ++y) {
        std::copy_n(row(y).begin(), keepWidth, resized.row(y).begin());
    }
    *this = std::move(resized);
}

}  // namespace gdi
