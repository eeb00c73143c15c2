#include "TestFiles.h"

#include <stdlib.h>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "trackmill-media-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

namespace {

void Put32(Bytes& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes.push_back(std::uint8_t(value >> (8 * i)));
}

void Put16(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(std::uint8_t(value));
    bytes.push_back(std::uint8_t(value >> 8));
}

void PutText(Bytes& bytes, const char* text) {
    for (int i = 0; i < 4; ++i)
        bytes.push_back(std::uint8_t(text[i]));
}

}  // namespace

Bytes WaveFileBytes(std::uint16_t channels, std::uint32_t sampleRate, std::uint16_t bits, const Bytes& data) {
    const std::uint16_t blockAlign = std::uint16_t(channels * (bits / 8));
    Bytes bytes;
    PutText(bytes, "RIFF");
    Put32(bytes, std::uint32_t(36 + data.size() + data.size() % 2));
    PutText(bytes, "WAVE");
    PutText(bytes, "fmt ");
    Put32(bytes, 16);
    Put16(bytes, 1);
    Put16(bytes, channels);
    Put32(bytes, sampleRate);
    Put32(bytes, sampleRate * blockAlign);
    Put16(bytes, blockAlign);
    Put16(bytes, bits);
    PutText(bytes, "data");
    Put32(bytes, std::uint32_t(data.size()));
    bytes.insert(bytes.end(), data.begin(), data.end());
    if (data.size() % 2)
        bytes.push_back(0);
    return bytes;
}

Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes DataAfterHeader(const Bytes& file) {
    if (file.size() < 44)
        return {};
    const std::size_t size = std::min<std::size_t>(Le32At(file, 40), file.size() - 44);
    return Bytes(file.begin() + 44, file.begin() + 44 + std::ptrdiff_t(size));
}

Bytes SpeechSamples() {
    return DataAfterHeader(ReadBytes(std::filesystem::path(TRACKMILL_TEST_DATA) / "speech8k.wav"));
}

std::uint32_t Le32At(const Bytes& bytes, std::size_t at) {
    return std::uint32_t(bytes.at(at)) | (std::uint32_t(bytes.at(at + 1)) << 8) |
           (std::uint32_t(bytes.at(at + 2)) << 16) | (std::uint32_t(bytes.at(at + 3)) << 24);
}

std::uint16_t Le16At(const Bytes& bytes, std::size_t at) {
    return std::uint16_t(bytes.at(at) | (bytes.at(at + 1) << 8));
}
