#include "soundfile/SampleCoding.h"

namespace soundfile {

void SampleCoding::decode(const unsigned char* bytes, std::int16_t* samples, std::size_t count) const {
    if (bitsPerSample <= 8) {
        for (std::size_t i = 0; i < count; ++i) {
            const unsigned shifted = (bytes[i] + static_cast<unsigned>(sampleOffset)) & 0xFFu;
            samples[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(shifted << 8));
        }
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char first = bytes[2 * i];
        const unsigned char second = bytes[2 * i + 1];
        const unsigned stored = littleEndian ? (first | second << 8) : (first << 8 | second);
        const unsigned value = (stored + static_cast<unsigned>(sampleOffset)) & 0xFFFFu;
        samples[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    }
}

void SampleCoding::encode(const std::int16_t* samples, unsigned char* bytes, std::size_t count) const {
    if (bitsPerSample <= 8) {
        for (std::size_t i = 0; i < count; ++i) {
            const unsigned high = static_cast<std::uint16_t>(samples[i]) >> 8;
            bytes[i] = static_cast<unsigned char>(high - static_cast<unsigned>(sampleOffset));
        }
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned value = (static_cast<std::uint16_t>(samples[i]) - static_cast<unsigned>(sampleOffset)) & 0xFFFFu;
        const auto low = static_cast<unsigned char>(value);
        const auto high = static_cast<unsigned char>(value >> 8);
        bytes[2 * i] = littleEndian ? low : high;
        bytes[2 * i + 1] = littleEndian ? high : low;
    }
}

}  // namespace soundfile
