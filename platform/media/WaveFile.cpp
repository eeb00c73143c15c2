#include "platform/media/WaveFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace platform::media {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::uint32_t ReadLe32(const std::uint8_t* bytes) {
    return std::uint32_t(bytes[0]) | (std::uint32_t(bytes[1]) << 8) | (std::uint32_t(bytes[2]) << 16) |
           (std::uint32_t(bytes[3]) << 24);
}

std::uint16_t ReadLe16(const std::uint8_t* bytes) { return std::uint16_t(bytes[0] | (bytes[1] << 8)); }

void PutLe32(std::uint8_t* bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[i] = std::uint8_t(value >> (8 * i));
}

void PutLe16(std::uint8_t* bytes, std::uint16_t value) {
    bytes[0] = std::uint8_t(value);
    bytes[1] = std::uint8_t(value >> 8);
}

constexpr std::uint16_t kPcmTag = 1;
constexpr std::size_t kHeaderSize = 44;

std::optional<PcmFormat> ParseFormatChunk(const std::uint8_t* body) {
    if (ReadLe16(body) != kPcmTag) return std::nullopt;
    PcmFormat format;
    format.channels = ReadLe16(body + 2);
    format.sampleRate = ReadLe32(body + 4);
    const std::uint16_t blockAlign = ReadLe16(body + 12);
    format.bitsPerSample = ReadLe16(body + 14);
    if (!format.isSupported() || blockAlign != format.blockAlign()) return std::nullopt;
    return format;
}

}  // namespace

WaveReadStatus ReadWaveFile(const std::filesystem::path& path, WaveContents& contents, std::string& failure) {
    const auto unreadable = [&] {
        failure = path.string() + ": " + std::strerror(errno);
        return WaveReadStatus::Unreadable;
    };
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) return errno == ENOENT || errno == ENOTDIR ? WaveReadStatus::Missing : unreadable();
    if (std::fseek(file.get(), 0, SEEK_END) != 0) return unreadable();
    const long fileSize = std::ftell(file.get());
    std::rewind(file.get());
    if (fileSize < 0) return unreadable();

    std::uint8_t riff[12];
    if (std::fread(riff, 1, sizeof riff, file.get()) != sizeof riff)
        return std::ferror(file.get()) ? unreadable() : WaveReadStatus::Malformed;
    if (std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0) return WaveReadStatus::Malformed;

    std::optional<PcmFormat> format;
    long dataOffset = -1;
    std::uint64_t dataSize = 0;
    long offset = sizeof riff;
    while (offset + 8 <= fileSize) {
        std::uint8_t chunk[8];
        if (std::fseek(file.get(), offset, SEEK_SET) != 0 || std::fread(chunk, 1, 8, file.get()) != 8)
            return unreadable();
        const std::uint64_t size = ReadLe32(chunk + 4);
        const long body = offset + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            std::uint8_t fields[16];
            if (size < sizeof fields || std::fread(fields, 1, sizeof fields, file.get()) != sizeof fields)
                return WaveReadStatus::Malformed;
            format = ParseFormatChunk(fields);
            if (!format) return WaveReadStatus::Malformed;
        } else if (std::memcmp(chunk, "data", 4) == 0 && dataOffset < 0) {
            dataOffset = body;
            dataSize = std::min<std::uint64_t>(size, std::uint64_t(fileSize - body));
        }
        const std::uint64_t next = std::uint64_t(body) + size + (size & 1);
        if (next > std::uint64_t(fileSize)) break;
        offset = long(next);
    }
    if (!format || dataOffset < 0) return WaveReadStatus::Malformed;

    dataSize -= dataSize % format->blockAlign();
    contents.format = *format;
    contents.samples.resize(std::size_t(dataSize));
    if (std::fseek(file.get(), dataOffset, SEEK_SET) != 0 ||
        std::fread(contents.samples.data(), 1, contents.samples.size(), file.get()) != contents.samples.size())
        return unreadable();
    return WaveReadStatus::Read;
}

bool WriteWaveFile(const std::filesystem::path& path, const PcmFormat& format,
                   std::span<const std::span<const std::uint8_t>> pieces, std::string& failure) {
    std::uint64_t dataSize = 0;
    for (const auto& piece : pieces) dataSize += piece.size();
    const std::uint32_t pad = std::uint32_t(dataSize & 1);
    if (dataSize + pad + kHeaderSize - 8 > UINT32_MAX) {
        failure = "the recording is too long for a WAV file";
        return false;
    }

    std::uint8_t header[kHeaderSize];
    std::memcpy(header, "RIFF", 4);
    PutLe32(header + 4, std::uint32_t(kHeaderSize - 8 + dataSize + pad));
    std::memcpy(header + 8, "WAVEfmt ", 8);
    PutLe32(header + 16, 16);
    PutLe16(header + 20, kPcmTag);
    PutLe16(header + 22, format.channels);
    PutLe32(header + 24, format.sampleRate);
    PutLe32(header + 28, format.byteRate());
    PutLe16(header + 32, std::uint16_t(format.blockAlign()));
    PutLe16(header + 34, format.bitsPerSample);
    std::memcpy(header + 36, "data", 4);
    PutLe32(header + 40, std::uint32_t(dataSize));

    File file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        failure = path.string() + ": " + std::strerror(errno);
        return false;
    }
    bool written = std::fwrite(header, 1, sizeof header, file.get()) == sizeof header;
    for (const auto& piece : pieces)
        written = written && (piece.empty() || std::fwrite(piece.data(), 1, piece.size(), file.get()) == piece.size());
    const std::uint8_t padByte = 0;
    if (pad) written = written && std::fwrite(&padByte, 1, 1, file.get()) == 1;
    const int writeErrno = errno;
    if (std::fclose(file.release()) != 0 || !written) {
        failure = path.string() + ": " + std::strerror(written ? errno : writeErrno);
        return false;
    }
    return true;
}

}  // namespace platform::media
