// Our header comes first: jpeglib.h defines TRUE and FALSE as macros.
#include "platform/gdi/PictureDecoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

using Bytes = std::vector<std::uint8_t>;
using win::RGB;

void Put16(Bytes& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}
void Put32(Bytes& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// File header and 40-byte info header, written field by field.
Bytes BmpHeader(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression, std::uint32_t colours,
                std::uint32_t pixelsAt) {
    Bytes out = {'B', 'M'};
    Put32(out, 0);  // file size: not relied upon
    Put32(out, 0);
    Put32(out, pixelsAt);
    Put32(out, 40);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height));
    Put16(out, 1);
    Put16(out, std::uint32_t(bits));
    Put32(out, compression);
    Put32(out, 0);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, colours);
    Put32(out, 0);
    return out;
}

gdi::Surface Picture(const gdi::DecodedPicture& decoded) {
    if (const auto* error = std::get_if<std::string>(&decoded)) {
        ADD_FAILURE() << *error;
        return gdi::Surface();
    }
    return std::get<gdi::Surface>(decoded);
}

TEST(BmpDecoder, TwentyFourBitBottomUpRowsWithPadding) {
    Bytes bmp = BmpHeader(2, 2, 24, 0, 0, 54);
    // Bottom row first: blue, white; then the top row: red, green. Each row padded to 8 bytes.
    for (std::uint8_t b : {0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0, 0, 0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0, 0}) {
        bmp.push_back(b);
    }
    const gdi::Surface s = Picture(gdi::DecodePicture(bmp));
    ASSERT_EQ(s.width(), 2);
    ASSERT_EQ(s.height(), 2);
    EXPECT_EQ(s.pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(s.pixel(1, 0), RGB(0, 255, 0));
    EXPECT_EQ(s.pixel(0, 1), RGB(0, 0, 255));
    EXPECT_EQ(s.pixel(1, 1), RGB(255, 255, 255));
}

TEST(BmpDecoder, EightBitPaletteTopDown) {
    Bytes bmp = BmpHeader(3, -1, 8, 0, 2, 54 + 8);
    for (std::uint8_t b : {0x10, 0x20, 0x30, 0, 0xFF, 0x00, 0xFF, 0}) {  // palette: RGB(48,32,16), magenta
        bmp.push_back(b);
    }
    for (std::uint8_t b : {1, 0, 1, 0}) {
        bmp.push_back(b);
    }
    const gdi::Surface s = Picture(gdi::DecodeBmp(bmp));
    ASSERT_EQ(s.width(), 3);
    EXPECT_EQ(s.pixel(0, 0), RGB(255, 0, 255));
    EXPECT_EQ(s.pixel(1, 0), RGB(48, 32, 16));
    EXPECT_EQ(s.pixel(2, 0), RGB(255, 0, 255));
}

TEST(BmpDecoder, OneBitMostSignificantBitFirst) {
    Bytes bmp = BmpHeader(9, 1, 1, 0, 0, 54 + 8);
    for (std::uint8_t b : {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}) {
        bmp.push_back(b);
    }
    for (std::uint8_t b : {0x80, 0x80, 0, 0}) {
        bmp.push_back(b);
    }
    const gdi::Surface s = Picture(gdi::DecodeBmp(bmp));
    EXPECT_EQ(s.pixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(s.pixel(1, 0), RGB(0, 0, 0));
    EXPECT_EQ(s.pixel(7, 0), RGB(0, 0, 0));
    EXPECT_EQ(s.pixel(8, 0), RGB(255, 255, 255));
}

TEST(BmpDecoder, SixteenBitFieldsScaleEachChannel) {
    Bytes bmp = BmpHeader(2, 1, 16, 3, 0, 54 + 12);
    Put32(bmp, 0xF800);
    Put32(bmp, 0x07E0);
    Put32(bmp, 0x001F);
    Put16(bmp, 0xF800);
    Put16(bmp, 0x07E0 | 0x0010);  // full green, blue 16 of 31
    const gdi::Surface s = Picture(gdi::DecodeBmp(bmp));
    EXPECT_EQ(s.pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(s.pixel(1, 0), RGB(0, 255, 16 * 255 / 31));
}

TEST(BmpDecoder, MalformedFilesAreRejectedWithAReason) {
    const Bytes good = [] {
        Bytes b = BmpHeader(2, 2, 24, 0, 0, 54);
        b.resize(54 + 16);
        return b;
    }();
    Bytes truncated = good;
    truncated.resize(good.size() - 1);
    Bytes huge = BmpHeader(100000, 100000, 24, 0, 0, 54);
    Bytes zero = BmpHeader(0, 2, 24, 0, 0, 54);
    Bytes rle = BmpHeader(2, 2, 8, 1, 0, 54);
    Bytes depth = BmpHeader(2, 2, 7, 0, 0, 54);
    Bytes offset = good;
    offset[10] = 0xFF;
    offset[13] = 0x7F;  // pixel data far beyond the end
    Bytes palette = BmpHeader(2, 2, 8, 0, 200, 54);
    for (const Bytes& bad : {truncated, huge, zero, rle, depth, offset, palette, Bytes{'B', 'M', 1}, Bytes{}}) {
        const auto decoded = gdi::DecodeBmp(bad);
        ASSERT_TRUE(std::holds_alternative<std::string>(decoded));
        EXPECT_FALSE(std::get<std::string>(decoded).empty());
    }
    EXPECT_TRUE(std::holds_alternative<gdi::Surface>(gdi::DecodeBmp(good)));
}

// Encodes with libjpeg at high quality, so decoded colours must come back close.
Bytes EncodeJpeg(int width, int height, int components, const std::vector<std::uint8_t>& samples) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = components;
    info.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, 1);
    jpeg_start_compress(&info, 1);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPLE*>(samples.data() + std::size_t(info.next_scanline) * width * components);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

bool Near(win::COLORREF a, win::COLORREF b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance) {
            return false;
        }
    }
    return true;
}

TEST(JpegDecoder, ColourPictureComesBackClose) {
    std::vector<std::uint8_t> samples;
    for (int i = 0; i < 16 * 8; ++i) {
        samples.insert(samples.end(), {200, 40, 90});
    }
    const Bytes jpeg = EncodeJpeg(16, 8, 3, samples);
    const gdi::Surface s = Picture(gdi::DecodePicture(jpeg));
    ASSERT_EQ(s.width(), 16);
    ASSERT_EQ(s.height(), 8);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            EXPECT_TRUE(Near(s.pixel(x, y), RGB(200, 40, 90), 4)) << std::hex << s.pixel(x, y);
        }
    }
}

TEST(JpegDecoder, GreyPictureBecomesGreyPixels) {
    const Bytes jpeg = EncodeJpeg(8, 8, 1, std::vector<std::uint8_t>(64, 128));
    const gdi::Surface s = Picture(gdi::DecodeJpeg(jpeg));
    EXPECT_TRUE(Near(s.pixel(3, 3), RGB(128, 128, 128), 2));
}

TEST(JpegDecoder, CutOffOrGarbledFilesAreErrors) {
    std::vector<std::uint8_t> samples(32 * 32 * 3);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = std::uint8_t(i * 7);
    }
    const Bytes jpeg = EncodeJpeg(32, 32, 3, samples);
    const Bytes cut(jpeg.begin(), jpeg.begin() + std::ptrdiff_t(jpeg.size() / 2));
    Bytes garbled = {0xFF, 0xD8, 0x00, 0x11, 0x22, 0x33};
    for (const Bytes& bad : {cut, garbled, Bytes{0xFF}, Bytes{'G', 'I', 'F'}}) {
        const auto decoded = gdi::DecodePicture(bad);
        ASSERT_TRUE(std::holds_alternative<std::string>(decoded));
        EXPECT_FALSE(std::get<std::string>(decoded).empty());
    }
}

}  // namespace
