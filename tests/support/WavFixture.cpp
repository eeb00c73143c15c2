#include "tests/support/WavFixture.h"

#include <algorithm>
#include <stdexcept>

#include "tests/support/FileBytes.h"
#include "tests/support/LittleEndian.h"

namespace testsupport {

namespace {

constexpr std::size_t kHeaderBytes = 44;

}  // namespace

std::vector<std::uint8_t> wavFileBytes(std::uint16_t channels, std::uint32_t sampleRate, std::uint16_t bitsPerSample,
                                       const std::vector<std::uint8_t>& data) {
    const auto blockAlign = static_cast<std::uint16_t>(channels * (bitsPerSample / 8));
    const bool padded = data.size() % 2 != 0;
    Bytes bytes;
    appendText(bytes, "RIFF");
    appendLe32(bytes, static_cast<std::uint32_t>(36 + data.size() + (padded ? 1 : 0)));
    appendText(bytes, "WAVE");
    appendText(bytes, "fmt ");
    appendLe32(bytes, 16);
    appendLe16(bytes, 1);
    appendLe16(bytes, channels);
    appendLe32(bytes, sampleRate);
    appendLe32(bytes, sampleRate * blockAlign);
    appendLe16(bytes, blockAlign);
    appendLe16(bytes, bitsPerSample);
    appendText(bytes, "data");
    appendLe32(bytes, static_cast<std::uint32_t>(data.size()));
    bytes.insert(bytes.end(), data.begin(), data.end());
    if (padded) bytes.push_back(0);
    return bytes;
}

std::vector<std::uint8_t> sampleBytes(const std::vector<std::int16_t>& samples) {
    Bytes bytes;
    bytes.reserve(samples.size() * 2);
    for (const std::int16_t sample : samples) appendLe16(bytes, static_cast<std::uint16_t>(sample));
    return bytes;
}

void writeWav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples, std::uint32_t sampleRate,
              std::uint16_t channels) {
    writeFileBytes(path, wavFileBytes(channels, sampleRate, 16, sampleBytes(samples)));
}

std::vector<std::int16_t> samplesAfterHeader(const std::vector<std::uint8_t>& file) {
    std::vector<std::int16_t> samples;
    for (std::size_t at = kHeaderBytes; at + 1 < file.size(); at += 2)
        samples.push_back(static_cast<std::int16_t>(le16At(file, at)));
    return samples;
}

std::vector<std::uint8_t> dataAfterHeader(const std::vector<std::uint8_t>& file) {
    if (file.size() < kHeaderBytes) return {};
    const std::size_t size = std::min<std::size_t>(le32At(file, 40), file.size() - kHeaderBytes);
    return Bytes(file.begin() + kHeaderBytes, file.begin() + static_cast<std::ptrdiff_t>(kHeaderBytes + size));
}

CanonicalWav readCanonicalWav(const std::filesystem::path& path) {
    const Bytes bytes = readFileBytes(path);
    if (bytes.size() < kHeaderBytes || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
        std::string(bytes.begin() + 36, bytes.begin() + 40) != "data")
        throw std::runtime_error("not a canonical WAVE file: " + path.string());
    CanonicalWav wav;
    wav.riffSize = le32At(bytes, 4);
    wav.dataSize = le32At(bytes, 40);
    wav.samples = samplesAfterHeader(bytes);
    return wav;
}

std::filesystem::path speechFixturePath() { return std::filesystem::path(TRACKMILL_TEST_DATA) / "speech8k.wav"; }

std::vector<std::uint8_t> speechFixtureData() { return dataAfterHeader(readFileBytes(speechFixturePath())); }

std::vector<std::int16_t> speechFixtureSamples() { return samplesAfterHeader(readFileBytes(speechFixturePath())); }

}  // namespace testsupport
