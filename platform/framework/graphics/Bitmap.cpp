#include "platform/framework/graphics/Bitmap.h"

#include <fstream>
#include <iterator>
#include <vector>
#include "platform/framework/Exception.h"

#include "platform/framework/graphics/Canvas.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/PictureDecoder.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/SysColors.h"

namespace framework {

TBitmap::TBitmap() : dc_(win::CreateCompatibleDC(nullptr)), canvas_(std::make_unique<TCanvas>(dc_)) {}

TBitmap::~TBitmap() {
    win::DeleteDC(dc_);
    if (bitmap_) win::DeleteObject(bitmap_);
}

void TBitmap::Replace(win::HBITMAP bitmap, int width, int height) {
    win::HGDIOBJ previous = win::SelectObject(dc_, bitmap);
    if (!stockBitmap_) stockBitmap_ = previous;
    if (bitmap_) win::DeleteObject(bitmap_);
    bitmap_ = bitmap;
    width_ = width;
    height_ = height;
}

void TBitmap::SetSize(int width, int height) {
    if (width == width_ && height == height_) return;
    gdi::Surface pixels(std::max(width, 0), std::max(height, 0), 0xFFFFFF);
    if (bitmap_) {
        const auto old = gdi::BitmapSurface(bitmap_);
        for (int y = 0; y < std::min(height, height_); ++y)
            for (int x = 0; x < std::min(width, width_); ++x) pixels.setPixel(x, y, old->pixel(x, y));
    }
    AssignSurface(pixels);
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
}

TCanvas& TBitmap::Canvas() { return *canvas_; }

TColor TBitmap::TransparentColor() const {
    if (transparentColor_ != clNone) return transparentColor_;
    if (Empty()) return clNone;
    return gdi::BitmapSurface(bitmap_)->pixel(0, height_ - 1);
}

void TBitmap::Assign(const TBitmap& source) {
    if (&source == this) return;
    if (source.Empty()) {
        SetSize(0, 0);
    } else {
        AssignSurface(*gdi::BitmapSurface(source.bitmap_));
    }
    transparent_ = source.transparent_;
    transparentColor_ = source.transparentColor_;
}

void TBitmap::AssignSurface(const gdi::Surface& pixels) {
    Replace(gdi::CreateBitmap(pixels), pixels.width(), pixels.height());
}

void TBitmap::LoadFromFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Exception("Cannot open file \"" + path + "\"");
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    try {
        LoadFromBytes(bytes);
    } catch (const Exception& error) {
        throw Exception(path + ": " + error.Message());
    }
}

void TBitmap::LoadFromBytes(std::span<const std::uint8_t> bytes) {
    auto decoded = gdi::DecodePicture(bytes);
    if (auto* reason = std::get_if<std::string>(&decoded)) throw Exception(*reason);
    AssignSurface(std::get<gdi::Surface>(decoded));
}

void TBitmap::DrawOn(win::HDC dc, int x, int y, int width, int height) const {
    if (Empty() || width <= 0 || height <= 0) return;
    if (!transparent_) {
        win::StretchBlt(dc, x, y, width, height, dc_, 0, 0, width_, height_, win::SRCCOPY);
        return;
    }
    const auto pixels = gdi::BitmapSurface(bitmap_);
    const win::COLORREF key = gdi::ResolveColor(TransparentColor());
    for (int dy = 0; dy < height; ++dy) {
        const int sy = dy * height_ / height;
        for (int dx = 0; dx < width; ++dx) {
            const win::COLORREF c = pixels->pixel(dx * width_ / width, sy);
            if (c != key) win::SetPixel(dc, x + dx, y + dy, c);
        }
    }
}

}  // namespace framework
