#include "tests/support/WavReader.h"

#include "tests/support/FileBytes.h"

namespace testsupport {

namespace {

std::uint32_t little(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

}  // namespace

std::vector<std::int16_t> WavFile::samples16() const {
    std::vector<std::int16_t> samples;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2)
        samples.push_back(static_cast<std::int16_t>(little(data, i, 2)));
    return samples;
}

WavFile readWavFile(const std::filesystem::path& path) {
    WavFile wav;
    wav.bytes = readFileText(path);
    const std::string& bytes = wav.bytes;
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) return wav;
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::uint32_t size = little(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > bytes.size() - body) return WavFile{};
        if (id == "fmt " && size >= 16) {
            wav.formatTag = static_cast<std::uint16_t>(little(bytes, body, 2));
            wav.channels = static_cast<std::uint16_t>(little(bytes, body + 2, 2));
            wav.sampleRate = little(bytes, body + 4, 4);
            wav.byteRate = little(bytes, body + 8, 4);
            wav.blockAlign = static_cast<std::uint16_t>(little(bytes, body + 12, 2));
            wav.bitsPerSample = static_cast<std::uint16_t>(little(bytes, body + 14, 2));
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            wav.dataOffset = body;
            wav.data = bytes.substr(body, size);
            return wav;
        }
        at = body + size + (size & 1);
    }
    return WavFile{};
}

}  // namespace testsupport
