#include "WaveFile.h"

#include "TempFolder.h"

#include <cmath>

namespace {

std::uint32_t little(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

}  // namespace

std::vector<std::int16_t> WaveFile::samples16() const
{
    std::vector<std::int16_t> samples;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2)
        samples.push_back(static_cast<std::int16_t>(little(data, i, 2)));
    return samples;
}

WaveFile readWaveFile(const std::filesystem::path& path)
{
    WaveFile wave;
    wave.bytes = readFile(path);
    const std::string& bytes = wave.bytes;
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
        return wave;
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::uint32_t size = little(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > bytes.size() - body)
            return WaveFile{};
        if (id == "fmt " && size >= 16) {
            wave.formatTag = static_cast<std::uint16_t>(little(bytes, body, 2));
            wave.channels = static_cast<std::uint16_t>(little(bytes, body + 2, 2));
            wave.sampleRate = little(bytes, body + 4, 4);
            wave.byteRate = little(bytes, body + 8, 4);
            wave.blockAlign = static_cast<std::uint16_t>(little(bytes, body + 12, 2));
            wave.bitsPerSample = static_cast<std::uint16_t>(little(bytes, body + 14, 2));
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            wave.dataOffset = body;
            wave.data = bytes.substr(body, size);
            return wave;
        }
        at = body + size + (size & 1);
    }
    return WaveFile{};
}

double rootMeanSquare(const std::vector<std::int16_t>& samples)
{
    double sum = 0;
    for (const std::int16_t sample : samples)
        sum += static_cast<double>(sample) * sample;
    return samples.empty() ? 0 : std::sqrt(sum / static_cast<double>(samples.size()));
}
