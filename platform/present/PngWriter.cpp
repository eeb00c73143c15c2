#include "platform/present/PngWriter.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/gdi/Surface.h"

namespace present {

std::string WritePng(const gdi::Surface& surface, const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) return "cannot create " + path + ": " + std::strerror(errno);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return "cannot start a PNG writer";
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return "cannot start a PNG writer";
    }
    std::vector<png_byte> row(static_cast<std::size_t>(surface.width()) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return "cannot write " + path;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(surface.width()), static_cast<png_uint_32>(surface.height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < surface.height(); ++y) {
        auto pixels = surface.row(y);
        for (std::size_t x = 0; x < pixels.size(); ++x) {
            row[3 * x] = static_cast<png_byte>(pixels[x] & 0xFF);
            row[3 * x + 1] = static_cast<png_byte>((pixels[x] >> 8) & 0xFF);
            row[3 * x + 2] = static_cast<png_byte>((pixels[x] >> 16) & 0xFF);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fflush(file.get()) != 0) return "cannot write " + path + ": " + std::strerror(errno);
    return {};
}

}  // namespace present
