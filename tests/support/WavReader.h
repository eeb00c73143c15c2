#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// A PCM WAV file as found by walking its chunks: the format chunk's fields and the data chunk, every field
// decoded little-endian by hand. Accepts any chunk order and extra chunks, unlike the canonical reader.
struct WavFile {
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

// Empty fields (channels 0) when the file is not a RIFF WAVE file with a format chunk before a data chunk, or a
// chunk runs past the end.
WavFile readWavFile(const std::filesystem::path& path);

}  // namespace testsupport
