#include "trackmill/app/jobs/ResampleOptions.h"

#include <array>
#include <cstring>

#include "platform/framework/TFileStream.h"

namespace {

constexpr std::uint16_t PcmFormat = 1;
constexpr std::uint32_t SpeechRate = 8000;
constexpr std::int64_t RiffHeaderBytes = 12;
constexpr std::int64_t ChunkHeaderBytes = 8;
constexpr std::int64_t FormatBodyBytes = 16;

std::uint16_t Le16(const std::uint8_t* bytes) { return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8); }

std::uint32_t Le32(const std::uint8_t* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

bool ReadAt(framework::TFileStream& file, std::int64_t position, std::uint8_t* into, std::int64_t count) {
    file.SetPosition(position);
    return file.Read(into, count) == count;
}

}  // namespace

std::optional<TWaveFormat> ReadWaveFormat(const std::string& FileName) {
    framework::TFileStream file(FileName, framework::fmOpenRead);
    const std::int64_t size = file.Size();
    std::array<std::uint8_t, RiffHeaderBytes> riff{};
    if (!ReadAt(file, 0, riff.data(), RiffHeaderBytes) || std::memcmp(riff.data(), "RIFF", 4) != 0 ||
        std::memcmp(riff.data() + 8, "WAVE", 4) != 0)
        return std::nullopt;
    // Chunks such as LIST, JUNK or bext may stand before "fmt "; each is skipped by its size, padded to even.
    for (std::int64_t position = RiffHeaderBytes; position + ChunkHeaderBytes <= size;) {
        std::array<std::uint8_t, ChunkHeaderBytes> chunk{};
        if (!ReadAt(file, position, chunk.data(), ChunkHeaderBytes)) return std::nullopt;
        const std::int64_t length = Le32(chunk.data() + 4);
        if (std::memcmp(chunk.data(), "fmt ", 4) == 0) {
            std::array<std::uint8_t, FormatBodyBytes> body{};
            if (length < FormatBodyBytes || !ReadAt(file, position + ChunkHeaderBytes, body.data(), FormatBodyBytes))
                return std::nullopt;
            return TWaveFormat{Le16(body.data()), Le16(body.data() + 2), Le32(body.data() + 4), Le16(body.data() + 14)};
        }
        position += ChunkHeaderBytes + length + (length & 1);
    }
    return std::nullopt;
}

std::string GetResampleOptions(const std::string& FileName) {
    const std::optional<TWaveFormat> format = ReadWaveFormat(FileName);
    if (!format) return "";
    std::string options;
    // Below 8000 Hz too: the encoders take every input as 8000 Hz, so a slower one would play too fast.
    if (format->SampleRate != SpeechRate) options += " -r 8000 ";
    if (format->Channels > 1) options += " -c 1";
    // The encoders read 8- and 16-bit PCM themselves; a copy made for any other reason is 16-bit, so that
    // converting an 8-bit file adds no second rounding to its own.
    const bool readable = format->FormatTag == PcmFormat && (format->BitsPerSample == 8 || format->BitsPerSample == 16);
    if (!options.empty() || !readable) options += " -b 16 ";
    return options;
}
