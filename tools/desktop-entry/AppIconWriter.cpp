// app-icon: writes the program's icon for the desktop's application menu, the main window's CD picture enlarged
// without smoothing so that it stays the picture the program shows, as PNG files with a transparent background:
//   app-icon <folder> <size>...   writes <folder>/<size>x<size>/apps/trackmill.png for each size (a multiple of 16)
#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/framework/graphics/Bitmap.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/framework/graphics/Colors.h"
#include "platform/framework/graphics/ImageList.h"
#include "platform/gdi/Types.h"
#include "trackmill/app/windows/ToolImages.h"

namespace {

constexpr int kPictureSize = 16;
constexpr framework::TColor kBackground = framework::clFuchsia;

// RGBA rows of the picture, kPictureSize square.
std::vector<std::uint8_t> PictureRgba() {
    framework::TImageList images(nullptr);
    DrawToolImages(images);
    framework::TBitmap picture;
    picture.SetSize(kPictureSize, kPictureSize);
    framework::TCanvas& canvas = picture.Canvas();
    canvas.Brush().SetColor(kBackground);
    canvas.FillRect(win::RECT{0, 0, kPictureSize, kPictureSize});
    images.Draw(canvas, 0, 0, ToolImageExtract);
    std::vector<std::uint8_t> rgba;
    for (int y = 0; y < kPictureSize; ++y) {
        for (int x = 0; x < kPictureSize; ++x) {
            const framework::TColor colour = canvas.Pixel(x, y);
            const bool clear = colour == kBackground;
            rgba.push_back(win::GetRValue(colour));
            rgba.push_back(win::GetGValue(colour));
            rgba.push_back(win::GetBValue(colour));
            rgba.push_back(clear ? 0 : 255);
        }
    }
    return rgba;
}

bool WritePng(const std::filesystem::path& path, const std::vector<std::uint8_t>& picture, int size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "app-icon: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        std::fprintf(stderr, "app-icon: cannot write %s\n", path.c_str());
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, size, size, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const int scale = size / kPictureSize;
    std::vector<std::uint8_t> row(std::size_t(size) * 4);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::size_t from = (std::size_t(y / scale) * kPictureSize + x / scale) * 4;
            std::memcpy(&row[std::size_t(x) * 4], &picture[from], 4);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: app-icon <folder> <size>...\n", stderr);
        return 2;
    }
    const std::vector<std::uint8_t> picture = PictureRgba();
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < kPictureSize || size % kPictureSize != 0) {
            std::fprintf(stderr, "app-icon: %s is no multiple of %d\n", argv[i], kPictureSize);
            return 2;
        }
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path folder = std::filesystem::path(argv[1]) / name / "apps";
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (!WritePng(folder / "trackmill.png", picture, size)) return 1;
    }
    return 0;
}
