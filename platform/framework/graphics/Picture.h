#pragma once
// A picture read from a BMP or JPEG file, kept as a bitmap.
#include <cstdint>
#include <span>
#include <string>

#include "platform/framework/graphics/Bitmap.h"

namespace framework {

class TPicture {
  public:
    TBitmap& Bitmap() { return bitmap_; }
    const TBitmap& Bitmap() const { return bitmap_; }
    int Width() const { return bitmap_.Width(); }
    int Height() const { return bitmap_.Height(); }
    bool Empty() const { return bitmap_.Empty(); }
    // Raises Exception with the reason when the file cannot be read.
    void LoadFromFile(const std::string& path);
    void LoadFromBytes(std::span<const std::uint8_t> bytes) { bitmap_.LoadFromBytes(bytes); }
    void Assign(const TBitmap& bitmap) { bitmap_.Assign(bitmap); }

  private:
    TBitmap bitmap_;
};

}  // namespace framework
