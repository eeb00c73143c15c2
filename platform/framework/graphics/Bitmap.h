#pragma once
// A bitmap with its own memory canvas; optionally drawn with one colour left transparent.
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/framework/graphics/Colors.h"
#include "platform/gdi/Types.h"

namespace gdi {
class Surface;
}

namespace framework {

class TCanvas;

class TBitmap {
  public:
    TBitmap();
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    // New pixels are white.
    void SetSize(int width, int height);
    bool Empty() const { return width_ == 0 || height_ == 0; }

    TCanvas& Canvas();
    win::HBITMAP Handle() const { return bitmap_; }

    // The transparent colour is that of the bottom-left pixel unless one is given.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color) { transparentColor_ = color; }

    void Assign(const TBitmap& source);
    void AssignSurface(const gdi::Surface& pixels);
    // BMP or JPEG; throws Exception with the decoder's reason.
    void LoadFromFile(const std::string& path);
    // A BMP or JPEG picture held in memory, such as one stored in a window's layout; throws Exception with the
    // decoder's reason.
    void LoadFromBytes(std::span<const std::uint8_t> bytes);

    // Draws scaled into the rectangle, honouring transparency.
    void DrawOn(win::HDC dc, int x, int y, int width, int height) const;

  private:
    void Replace(win::HBITMAP bitmap, int width, int height);

    int width_ = 0;
    int height_ = 0;
    win::HBITMAP bitmap_ = nullptr;
    win::HDC dc_ = nullptr;
    win::HGDIOBJ stockBitmap_ = nullptr;
    std::unique_ptr<TCanvas> canvas_;
    bool transparent_ = false;
    TColor transparentColor_ = clNone;
};

}  // namespace framework
