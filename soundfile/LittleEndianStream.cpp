#include "soundfile/LittleEndianStream.h"

#include <sys/types.h>

namespace soundfile {

std::int64_t streamPosition(std::FILE* stream) { return static_cast<std::int64_t>(ftello(stream)); }

bool seekTo(std::FILE* stream, std::int64_t position) {
    return position >= 0 && fseeko(stream, static_cast<off_t>(position), SEEK_SET) == 0;
}

std::int64_t fileLength(std::FILE* stream) {
    const std::int64_t position = streamPosition(stream);
    if (position < 0 || fseeko(stream, 0, SEEK_END) != 0) {
        return -1;
    }
    const std::int64_t length = streamPosition(stream);
    if (!seekTo(stream, position)) {
        return -1;
    }
    return length;
}

bool readLittle16(std::FILE* stream, std::uint16_t& value) {
    unsigned char bytes[2];
    if (std::fread(bytes, 1, sizeof bytes, stream) != sizeof bytes) {
        return false;
    }
    value = static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
    return true;
}

bool readLittle32(std::FILE* stream, std::uint32_t& value) {
    unsigned char bytes[4];
    if (std::fread(bytes, 1, sizeof bytes, stream) != sizeof bytes) {
        return false;
    }
    value = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
            static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    return true;
}

bool writeLittle16(std::FILE* stream, std::uint16_t value) {
    const unsigned char bytes[2] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8)};
    return std::fwrite(bytes, 1, sizeof bytes, stream) == sizeof bytes;
}

bool writeLittle32(std::FILE* stream, std::uint32_t value) {
    const unsigned char bytes[4] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                                    static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    return std::fwrite(bytes, 1, sizeof bytes, stream) == sizeof bytes;
}

}  // namespace soundfile
