#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A canonical PCM WAV file as read by the tests: the format chunk's fields and the data chunk, found by
// walking the chunks; every field decoded little-endian by hand.
struct WaveFile {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::size_t dataOffset = 0;  // where the data chunk's bytes begin
    std::string data;
    std::string bytes;  // the whole file

    // 16-bit samples of the data chunk, channels interleaved.
    std::vector<std::int16_t> samples16() const;
};

// Empty fields (channels 0) when the file is not a RIFF WAVE file with a format and a data chunk.
WaveFile readWaveFile(const std::filesystem::path& path);

double rootMeanSquare(const std::vector<std::int16_t>& samples);
