#pragma once
// The canonical 44-byte PCM WAV header: "RIFF", size, "WAVE", a 16-byte "fmt " chunk and the "data" chunk's head.
#include <array>
#include <cstdint>

struct TWaveHeader {
    static constexpr std::size_t Size = 44;

    std::uint16_t Channels = 0;
    std::uint32_t SampleRate = 0;
    std::uint16_t BitsPerSample = 0;
    std::uint32_t DataSize = 0;

    // A CD rip: 2 channels, 44100 Hz, 16 bits.
    static TWaveHeader CdAudio(std::uint32_t dataSize);
    // Reads the format fields without checking the chunk ids, as the resampling step needs no more.
    static TWaveHeader FromBytes(const std::array<std::uint8_t, Size>& bytes);

    // Byte rate and block align follow from the format; the RIFF size is DataSize + 36.
    std::array<std::uint8_t, Size> ToBytes() const;
};
