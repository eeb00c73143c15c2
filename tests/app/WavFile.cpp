#include "WavFile.h"

#include <fstream>
#include <iterator>

#include "trackmill/app/WaveHeader.h"

std::vector<std::uint8_t> ReadBytes(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& file, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

std::uint32_t Le32(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return bytes.at(at) | bytes.at(at + 1) << 8 | bytes.at(at + 2) << 16 | static_cast<std::uint32_t>(bytes.at(at + 3)) << 24;
}

std::vector<std::uint8_t> CdWav(const std::vector<std::int16_t>& samples)
{
    const auto header = TWaveHeader::CdAudio(static_cast<std::uint32_t>(samples.size() * 2)).ToBytes();
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    for (const std::int16_t sample : samples) {
        bytes.push_back(static_cast<std::uint8_t>(sample & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((sample >> 8) & 0xFF));
    }
    return bytes;
}

std::vector<std::int16_t> Samples(const std::vector<std::uint8_t>& wav)
{
    std::vector<std::int16_t> samples;
    for (std::size_t i = 44; i + 1 < wav.size(); i += 2)
        samples.push_back(static_cast<std::int16_t>(wav[i] | wav[i + 1] << 8));
    return samples;
}
