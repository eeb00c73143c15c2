#include "platform/media/WaveFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <optional>

namespace platform::media {

namespace {

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
constexpr std::size_t kCopyBlock = 64 * 1024;

std::optional<PcmFormat> ParseFormatChunk(const std::uint8_t* body) {
    if (ReadLe16(body) != kPcmTag) return std::nullopt;
    PcmFormat format;
    format.channels = ReadLe16(body + 2);
    format.sampleRate = ReadLe32(body + 4);
    const std::uint16_t blockAlign = ReadLe16(body + 12);
    format.bitsPerSample = ReadLe16(body + 14);
    // Rates past the highest leave no room in the header's byte rate; the lowest ones are the device's to refuse.
    if (!format.hasSupportedLayout() || format.sampleRate == 0 || format.sampleRate > PcmFormat::kHighestRate ||
        blockAlign != format.blockAlign())
        return std::nullopt;
    return format;
}

// Reads exactly buffer's size at offset; false at an error (errno set) or the end of the file (errno 0).
bool ReadAt(int file, std::uint64_t offset, std::span<std::uint8_t> buffer) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t count = ::pread(file, buffer.data() + done, buffer.size() - done, off_t(offset + done));
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) {
            if (count == 0) errno = 0;
            return false;
        }
        done += std::size_t(count);
    }
    return true;
}

bool WriteAll(int file, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(file, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return false;
        bytes = bytes.subspan(std::size_t(count));
    }
    return true;
}

std::array<std::uint8_t, kHeaderSize> Header(const PcmFormat& format, std::uint64_t dataSize, std::uint32_t pad) {
    std::array<std::uint8_t, kHeaderSize> header{};
    std::memcpy(header.data(), "RIFF", 4);
    PutLe32(header.data() + 4, std::uint32_t(kHeaderSize - 8 + dataSize + pad));
    std::memcpy(header.data() + 8, "WAVEfmt ", 8);
    PutLe32(header.data() + 16, 16);
    PutLe16(header.data() + 20, kPcmTag);
    PutLe16(header.data() + 22, format.channels);
    PutLe32(header.data() + 24, format.sampleRate);
    PutLe32(header.data() + 28, format.byteRate());
    PutLe16(header.data() + 32, std::uint16_t(format.blockAlign()));
    PutLe16(header.data() + 34, format.bitsPerSample);
    std::memcpy(header.data() + 36, "data", 4);
    PutLe32(header.data() + 40, std::uint32_t(dataSize));
    return header;
}

}  // namespace

WaveReadStatus ReadWaveLayout(int file, WaveLayout& layout, std::string& failure) {
    const auto unreadable = [&] {
        failure = std::strerror(errno);
        return WaveReadStatus::Unreadable;
    };
    struct stat info {};
    if (::fstat(file, &info) != 0) return unreadable();
    const std::uint64_t fileSize = std::uint64_t(std::max<off_t>(info.st_size, 0));

    std::uint8_t riff[12];
    if (!ReadAt(file, 0, riff)) return errno ? unreadable() : WaveReadStatus::Malformed;
    if (std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0) return WaveReadStatus::Malformed;

    std::optional<PcmFormat> format;
    std::optional<std::uint64_t> dataOffset;
    std::uint64_t dataSize = 0;
    std::uint64_t offset = sizeof riff;
    while (offset + 8 <= fileSize) {
        std::uint8_t chunk[8];
        if (!ReadAt(file, offset, chunk)) return errno ? unreadable() : WaveReadStatus::Malformed;
        const std::uint64_t size = ReadLe32(chunk + 4);
        const std::uint64_t body = offset + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            std::uint8_t fields[16];
            if (size < sizeof fields || !ReadAt(file, body, fields))
                return errno ? unreadable() : WaveReadStatus::Malformed;
            format = ParseFormatChunk(fields);
            if (!format) return WaveReadStatus::Malformed;
        } else if (std::memcmp(chunk, "data", 4) == 0 && !dataOffset) {
            dataOffset = body;
            dataSize = std::min(size, fileSize - body);
        }
        offset = body + size + (size & 1);
    }
    if (!format || !dataOffset) return WaveReadStatus::Malformed;
    layout.format = *format;
    layout.dataOffset = *dataOffset;
    layout.dataSize = dataSize - dataSize % format->blockAlign();
    return WaveReadStatus::Read;
}

bool WriteWaveFile(const std::filesystem::path& path, const PcmFormat& format, std::uint64_t dataSize,
                   const WaveDataSource& source, std::string& failure) {
    const std::uint32_t pad = std::uint32_t(dataSize & 1);
    if (dataSize + pad + kHeaderSize - 8 > UINT32_MAX) {
        failure = "the recording is too long for a WAV file";
        return false;
    }
    const auto cause = [&](const std::filesystem::path& name) {
        failure = name.string() + ": " + std::strerror(errno);
        return false;
    };
    std::string temporary = path.string() + ".XXXXXX";
    const int file = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (file < 0) return cause(path);
    // A file that is replaced keeps its permissions; a new one gets what the umask leaves.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        ::fchmod(file, old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(file, 0666 & ~mask);
    }
    const auto discard = [&](bool fromSource) {
        const int error = errno;
        ::close(file);
        ::unlink(temporary.c_str());
        errno = error;
        return fromSource ? false : cause(path);
    };

    if (!WriteAll(file, Header(format, dataSize, pad))) return discard(false);
    std::vector<std::uint8_t> buffer(
        std::size_t(std::min<std::uint64_t>(kCopyBlock, std::max<std::uint64_t>(dataSize, 1))));
    for (std::uint64_t left = dataSize; left > 0;) {
        const auto want = std::span(buffer).first(std::size_t(std::min<std::uint64_t>(left, buffer.size())));
        std::size_t given = 0;
        if (!source(want, given, failure)) return discard(true);
        if (given == 0) {
            failure = "the sound ended early";
            return discard(true);
        }
        if (!WriteAll(file, want.first(given))) return discard(false);
        left -= given;
    }
    const std::uint8_t padByte = 0;
    if (pad && !WriteAll(file, std::span(&padByte, 1))) return discard(false);
    if (::fsync(file) != 0) return discard(false);
    if (::close(file) != 0) {
        ::unlink(temporary.c_str());
        return cause(path);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const bool result = cause(path);
        ::unlink(temporary.c_str());
        return result;
    }
    return true;
}

}  // namespace platform::media
