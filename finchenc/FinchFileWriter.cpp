#include "finchenc/FinchFileWriter.h"

#include <array>

namespace finch {

bool writeWords(std::FILE* stream, std::span<const std::uint16_t> words) {
    std::array<unsigned char, 256> bytes;
    std::size_t filled = 0;
    for (const std::uint16_t word : words) {
        if (filled == bytes.size()) {
            if (std::fwrite(bytes.data(), 1, filled, stream) != filled) {
                return false;
            }
            filled = 0;
        }
        bytes[filled++] = static_cast<unsigned char>(word & 0xFF);
        bytes[filled++] = static_cast<unsigned char>(word >> 8);
    }
    return std::fwrite(bytes.data(), 1, filled, stream) == filled;
}

bool writeStreamEnd(std::FILE* stream) {
    static constexpr unsigned char kEnd[3] = {0xFF, 0xFF, 0xFF};
    return std::fwrite(kEnd, 1, sizeof kEnd, stream) == sizeof kEnd;
}

}  // namespace finch
