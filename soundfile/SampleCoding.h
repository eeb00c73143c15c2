#pragma once

#include <cstddef>
#include <cstdint>

namespace soundfile {

// How samples are stored in a file: width, offset and byte order. Converts between stored bytes and the
// 16-bit signed native samples callers see.
struct SampleCoding {
    std::int32_t bitsPerSample;
    std::int32_t sampleOffset;
    std::int32_t littleEndian;

    std::size_t bytesPerSample() const { return bitsPerSample <= 8 ? 1 : 2; }

    void decode(const unsigned char* bytes, std::int16_t* samples, std::size_t count) const;
    void encode(const std::int16_t* samples, unsigned char* bytes, std::size_t count) const;
};

}  // namespace soundfile
