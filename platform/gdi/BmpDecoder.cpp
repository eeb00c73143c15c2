#include "platform/gdi/PictureDecoder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace gdi {
namespace {

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitfields = 3;
constexpr std::int64_t kMaxSide = 32768;
constexpr std::int64_t kMaxPixels = std::int64_t(64) << 20;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

class LittleEndian {
  public:
    explicit LittleEndian(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool has(std::size_t offset, std::size_t count) const {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }
    std::uint32_t u8(std::size_t at) const { return bytes_[at]; }
    std::uint32_t u16(std::size_t at) const { return u8(at) | (u8(at + 1) << 8); }
    std::uint32_t u32(std::size_t at) const { return u16(at) | (u16(at + 2) << 16); }

  private:
    std::span<const std::uint8_t> bytes_;
};

// One colour channel of a BI_BITFIELDS pixel, scaled to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t top = 0;

    explicit Channel(std::uint32_t m) : mask(m) {
        if (mask == 0) {
            return;
        }
        while (((mask >> shift) & 1) == 0) {
            ++shift;
        }
        top = mask >> shift;
    }
    std::uint32_t value(std::uint32_t pixel) const {
        return top == 0 ? 0 : std::uint32_t(std::uint64_t((pixel & mask) >> shift) * 255 / top);
    }
};

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative: rows stored top-down
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t coloursUsed = 0;
    std::size_t paletteAt = 0;
    std::size_t paletteEntrySize = 4;
    std::array<std::uint32_t, 3> masks{};
};

std::string ReadHeader(const LittleEndian& in, Header& header) {
    const std::uint32_t size = in.u32(kFileHeaderSize);
    if (size == kCoreHeaderSize) {
        if (!in.has(kFileHeaderSize, kCoreHeaderSize)) {
            return "truncated BMP header";
        }
        header.width = in.u16(18);
        header.height = in.u16(20);
        header.bitCount = in.u16(24);
        header.paletteEntrySize = 3;
        header.paletteAt = kFileHeaderSize + kCoreHeaderSize;
        return {};
    }
    if (size < kInfoHeaderSize || !in.has(kFileHeaderSize, size)) {
        return "truncated or unknown BMP header";
    }
    header.width = std::int32_t(in.u32(18));
    header.height = std::int32_t(in.u32(22));
    header.bitCount = in.u16(28);
    header.compression = in.u32(30);
    header.coloursUsed = in.u32(46);
    header.paletteAt = kFileHeaderSize + size;
    if (header.compression == kBitfields) {
        // The masks follow a 40-byte header and sit inside the longer ones.
        const std::size_t masksAt = kFileHeaderSize + kInfoHeaderSize;
        if (!in.has(masksAt, 12)) {
            return "truncated BMP colour masks";
        }
        header.masks = {in.u32(masksAt), in.u32(masksAt + 4), in.u32(masksAt + 8)};
        if (size == kInfoHeaderSize) {
            header.paletteAt += 12;
        }
    } else if (header.bitCount == 16) {
        header.masks = {0x7C00, 0x03E0, 0x001F};
    } else if (header.bitCount == 32) {
        header.masks = {0xFF0000, 0x00FF00, 0x0000FF};
    }
    return {};
}

}  // namespace

DecodedPicture DecodeBmp(std::span<const std::uint8_t> bytes) {
    const LittleEndian in(bytes);
    if (!in.has(0, kFileHeaderSize + 4) || bytes[0] != 'B' || bytes[1] != 'M') {
        return std::string("not a BMP file");
    }
    Header header;
    if (std::string error = ReadHeader(in, header); !error.empty()) {
        return error;
    }
    const std::uint32_t bits = header.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        return "unsupported BMP bit depth " + std::to_string(bits);
    }
    if (header.compression != kRgb && !(header.compression == kBitfields && (bits == 16 || bits == 32))) {
        return "unsupported BMP compression " + std::to_string(header.compression);
    }
    const std::int64_t width = header.width;
    const std::int64_t height = header.height < 0 ? -header.height : header.height;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide || width * height > kMaxPixels) {
        return std::string("BMP size out of range");
    }

    std::array<win::COLORREF, 256> palette{};
    if (bits <= 8) {
        const std::size_t entries =
            header.coloursUsed == 0 ? (std::size_t(1) << bits) : std::min<std::size_t>(header.coloursUsed, 256);
        if (!in.has(header.paletteAt, entries * header.paletteEntrySize)) {
            return std::string("truncated BMP palette");
        }
        for (std::size_t i = 0; i < entries; ++i) {
            const std::size_t at = header.paletteAt + i * header.paletteEntrySize;
            palette[i] = win::RGB(bytes[at + 2], bytes[at + 1], bytes[at]);
        }
    }
    const std::size_t stride = std::size_t((width * bits + 31) / 32 * 4);
    const std::size_t pixelsAt = in.u32(10);
    if (!in.has(pixelsAt, stride * std::size_t(height))) {
        return std::string("truncated BMP pixel data");
    }

    const Channel red(header.masks[0]);
    const Channel green(header.masks[1]);
    const Channel blue(header.masks[2]);
    Surface surface{int(width), int(height)};
    for (std::int64_t row = 0; row < height; ++row) {
        const std::size_t at = pixelsAt + std::size_t(row) * stride;
        const int y = int(header.height < 0 ? row : height - 1 - row);
        for (std::int64_t x = 0; x < width; ++x) {
            win::COLORREF colour = 0;
            if (bits <= 8) {
                const std::size_t bit = std::size_t(x) * bits;
                const std::uint32_t byte = bytes[at + bit / 8];
                const std::uint32_t index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                colour = palette[index];
            } else if (bits == 24) {
                const std::size_t p = at + std::size_t(x) * 3;
                colour = win::RGB(bytes[p + 2], bytes[p + 1], bytes[p]);
            } else {
                const std::size_t p = at + std::size_t(x) * (bits / 8);
                const std::uint32_t pixel = bits == 16 ? in.u16(p) : in.u32(p);
                colour =
                    win::RGB(win::BYTE(red.value(pixel)), win::BYTE(green.value(pixel)), win::BYTE(blue.value(pixel)));
            }
            surface.setPixel(int(x), y, colour);
        }
    }
    return surface;
}

}  // namespace gdi
