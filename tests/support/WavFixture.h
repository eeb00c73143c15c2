#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// A canonical PCM WAV image with a 44-byte header, every field laid out here byte by byte; an odd-sized data
// chunk gets its pad byte (not counted in the data size).
std::vector<std::uint8_t> wavFileBytes(std::uint16_t channels, std::uint32_t sampleRate, std::uint16_t bitsPerSample,
                                       const std::vector<std::uint8_t>& data);
// 16-bit samples (channels interleaved) as little-endian data bytes.
std::vector<std::uint8_t> sampleBytes(const std::vector<std::int16_t>& samples);
// Writes a canonical 16-bit PCM WAV file of the samples.
void writeWav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples,
              std::uint32_t sampleRate = 8000, std::uint16_t channels = 1);

// The 16-bit samples behind a 44-byte header: everything up to the end of the image, whatever the header says.
std::vector<std::int16_t> samplesAfterHeader(const std::vector<std::uint8_t>& file);
// The data chunk behind a 44-byte header, as long as its stated size and the image allow; empty when the image
// is shorter than a header.
std::vector<std::uint8_t> dataAfterHeader(const std::vector<std::uint8_t>& file);

// A canonical WAV file as its header states it.
struct CanonicalWav {
    std::uint32_t riffSize = 0;
    std::uint32_t dataSize = 0;
    std::vector<std::int16_t> samples;  // everything behind the header
};
// Throws std::runtime_error unless the file starts "RIFF" and holds "data" at offset 36.
CanonicalWav readCanonicalWav(const std::filesystem::path& path);

// The committed speech fixture (8000 Hz, 16-bit, mono, 44-byte header).
std::filesystem::path speechFixturePath();
std::vector<std::uint8_t> speechFixtureData();
std::vector<std::int16_t> speechFixtureSamples();

}  // namespace testsupport
