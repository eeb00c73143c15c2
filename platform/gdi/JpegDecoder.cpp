// Our header comes first: jpeglib.h defines TRUE and FALSE as macros.
#include "platform/gdi/PictureDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace gdi {
namespace {

constexpr JDIMENSION kMaxSide = 32768;
constexpr std::uint64_t kMaxPixels = std::uint64_t(64) << 20;

// libjpeg reports fatal errors through error_exit, which must not return: it jumps back to Decode. Nothing
// with a destructor lives between the jump and its target.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void ExitOnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings are ignored, except running out of data: a cut-off file is an error, not a half-grey picture.
void FailOnEndOfData(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
        ExitOnError(info);
    }
}

// Reads the header and the scan lines into `rgb`; returns false with `errors.message` set.
bool Decode(jpeg_decompress_struct& info, ErrorManager& errors, const std::uint8_t* bytes, unsigned long size,
            std::vector<std::uint8_t>& rgb, JDIMENSION& width, JDIMENSION& height) {
    if (setjmp(errors.jump) != 0) {
        return false;
    }
    jpeg_mem_src(&info, bytes, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&info);
    if (info.output_width == 0 || info.output_height == 0 || info.output_width > kMaxSide ||
        info.output_height > kMaxSide || std::uint64_t(info.output_width) * info.output_height > kMaxPixels) {
        std::snprintf(errors.message, sizeof errors.message, "JPEG size out of range");
        return false;
    }
    width = info.output_width;
    height = info.output_height;
    rgb.resize(std::size_t(width) * height * 3);
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = rgb.data() + std::size_t(info.output_scanline) * width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

DecodedPicture DecodeJpeg(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 2 || bytes[0] != 0xFF || bytes[1] != 0xD8) {
        return std::string("not a JPEG file");
    }
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ExitOnError;
    errors.base.emit_message = FailOnEndOfData;
    jpeg_create_decompress(&info);
    std::vector<std::uint8_t> rgb;
    JDIMENSION width = 0;
    JDIMENSION height = 0;
    const bool decoded =
        Decode(info, errors, bytes.data(), static_cast<unsigned long>(bytes.size()), rgb, width, height);
    jpeg_destroy_decompress(&info);
    if (!decoded) {
        return "JPEG: " + std::string(errors.message);
    }
    Surface surface{int(width), int(height)};
    for (JDIMENSION y = 0; y < height; ++y) {
        for (JDIMENSION x = 0; x < width; ++x) {
            const std::uint8_t* p = rgb.data() + (std::size_t(y) * width + x) * 3;
            surface.setPixel(int(x), int(y), win::RGB(p[0], p[1], p[2]));
        }
    }
    return surface;
}

}  // namespace gdi
