#include "PngReader.h"

#include <png.h>

namespace presenttest {

std::uint32_t RgbImage::colour(int x, int y) const {
    const std::size_t i =
        (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
    return std::uint32_t{rgb[i]} | (std::uint32_t{rgb[i + 1]} << 8) | (std::uint32_t{rgb[i + 2]} << 16);
}

bool ReadPng(const std::string& path, RgbImage* image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return false;
    png.format = PNG_FORMAT_RGB;
    image->width = static_cast<int>(png.width);
    image->height = static_cast<int>(png.height);
    image->rgb.assign(PNG_IMAGE_SIZE(png), 0);
    const bool ok = png_image_finish_read(&png, nullptr, image->rgb.data(), 0, nullptr) != 0;
    png_image_free(&png);
    return ok;
}

}  // namespace presenttest
