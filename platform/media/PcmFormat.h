#pragma once
// The layout of PCM samples: 8-bit unsigned or 16-bit signed little-endian, one or two interleaved channels.
#include <cstddef>
#include <cstdint>

namespace platform::media {

struct PcmFormat {
    std::uint16_t channels = 1;
    std::uint32_t sampleRate = 8000;
    std::uint16_t bitsPerSample = 16;

    // Below this no sound card goes, and a sound device would take seconds for each of its buffers, so stopping
    // would take as long.
    static constexpr std::uint32_t kLowestRate = 4000;
    // Above this no sound card goes, and byte rates would no longer fit the header's 32 bits.
    static constexpr std::uint32_t kHighestRate = 768000;

    // 8/16 bits in 1/2 channels.
    bool hasSupportedLayout() const;
    static bool isPlayableRate(std::uint32_t rate) { return rate >= kLowestRate && rate <= kHighestRate; }
    // A supported layout at a rate from kLowestRate to kHighestRate.
    bool isSupported() const;
    std::size_t blockAlign() const { return std::size_t(channels) * (bitsPerSample / 8); }
    std::uint32_t byteRate() const { return sampleRate * std::uint32_t(blockAlign()); }
    // The whole frame that begins at or before the given millisecond.
    std::size_t bytesAt(std::uint32_t milliseconds) const;
    // Milliseconds that byteCount bytes last, rounded down.
    std::uint32_t millisecondsOf(std::size_t byteCount) const;
    // The byte value of silence: 0x80 for unsigned 8-bit samples, 0 for 16-bit ones.
    std::uint8_t silenceByte() const { return bitsPerSample == 8 ? 0x80 : 0x00; }

    friend bool operator==(const PcmFormat&, const PcmFormat&) = default;
};

}  // namespace platform::media
