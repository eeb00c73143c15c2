#include "soundfile/WaveFormat.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

#include "soundfile/LittleEndianStream.h"
#include "soundfile/SoundFileState.h"

namespace soundfile {

namespace {

constexpr std::uint32_t fourCc(const char (&id)[5]) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(id[0])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(id[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(id[2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(id[3])) << 24;
}

constexpr std::uint32_t kRiff = fourCc("RIFF");
constexpr std::uint32_t kWave = fourCc("WAVE");
constexpr std::uint32_t kFmt = fourCc("fmt ");
constexpr std::uint32_t kData = fourCc("data");
constexpr std::uint32_t kDisp = fourCc("DISP");
constexpr std::uint16_t kPcm = 1;
constexpr std::uint32_t kFmtBodyBytes = 16;
constexpr std::uint32_t kDisplayTextType = 1;
constexpr std::int64_t kHeaderBytesAfterRiffSize = 36;

struct Chunk {
    std::int64_t bodyPos;
    std::uint32_t size;
};

// Where the chunk after this one starts. Chunk sizes count no pad byte: an odd chunk is followed by a zero
// pad where the writer kept to RIFF, or directly by the next chunk id (never a zero byte) where it did not,
// so both are read.
std::int64_t chunkEnd(std::FILE* stream, const Chunk& chunk, std::int64_t length) {
    std::int64_t end = chunk.bodyPos + chunk.size;
    if (chunk.size % 2 != 0 && end < length && seekTo(stream, end) && std::fgetc(stream) == 0) {
        ++end;
    }
    return end;
}

// Walks the chunk heads from `from` until one has the id `wanted`. Every step moves forward by at least a
// chunk head, and a head that does not fit in the file ends the walk.
std::optional<Chunk> findChunk(std::FILE* stream, std::uint32_t wanted, std::int64_t from, std::int64_t length) {
    std::int64_t position = from;
    while (position + 8 <= length) {
        std::uint32_t id = 0;
        std::uint32_t size = 0;
        if (!seekTo(stream, position) || !readLittle32(stream, id) || !readLittle32(stream, size)) {
            return std::nullopt;
        }
        const Chunk chunk{position + 8, size};
        if (id == wanted) {
            return chunk;
        }
        position = chunkEnd(stream, chunk, length);
    }
    return std::nullopt;
}

std::size_t bytesPerSample(std::int32_t bitsPerSample) { return bitsPerSample <= 8 ? 1 : 2; }

}  // namespace

int WaveFormat::readHeader() {
    std::FILE* stream = owner.stream;
    const std::int64_t length = fileLength(stream);
    std::uint32_t riffId = 0;
    std::uint32_t riffSize = 0;
    std::uint32_t waveId = 0;
    if (length < 0 || !seekTo(stream, 0) || !readLittle32(stream, riffId) || !readLittle32(stream, riffSize) ||
        !readLittle32(stream, waveId) || waveId != kWave) {
        return 1;
    }

    const std::optional<Chunk> fmt = findChunk(stream, kFmt, 12, length);
    if (!fmt || fmt->size < kFmtBodyBytes) {
        return 1;
    }
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    if (!seekTo(stream, fmt->bodyPos) || !readLittle16(stream, formatTag) || !readLittle16(stream, channels) ||
        !readLittle32(stream, sampleRate) || !readLittle32(stream, byteRate) || !readLittle16(stream, blockAlign) ||
        !readLittle16(stream, bitsPerSample)) {
        return 1;
    }
    const std::int64_t afterFmt = chunkEnd(stream, *fmt, length);

    displayText.reset();
    if (const std::optional<Chunk> disp = findChunk(stream, kDisp, afterFmt, length); disp && disp->size >= 4) {
        const std::int64_t textPos = disp->bodyPos + 4;
        const std::int64_t textBytes = std::clamp<std::int64_t>(length - textPos, 0, disp->size - 4);
        std::string text(static_cast<std::size_t>(textBytes), '\0');
        if (seekTo(stream, textPos) && std::fread(text.data(), 1, text.size(), stream) == text.size()) {
            text.resize(strnlen(text.data(), text.size()));
            displayText = std::move(text);
        }
    }

    const std::optional<Chunk> data = findChunk(stream, kData, afterFmt, length);
    if (!data || formatTag != kPcm || bitsPerSample > 16) {
        return 1;
    }
    // The data size in the header may promise more than the file holds.
    const std::int64_t dataBytes = std::min<std::int64_t>(data->size, length - data->bodyPos);
    const std::int64_t samples = dataBytes / static_cast<std::int64_t>(soundfile::bytesPerSample(bitsPerSample));
    if (!seekTo(stream, data->bodyPos)) {
        return 1;
    }
    owner.samplesLeft =
        static_cast<std::int32_t>(std::min<std::int64_t>(samples, std::numeric_limits<std::int32_t>::max()));
    owner.channels = channels;
    owner.sampleRate =
        static_cast<std::int32_t>(std::min<std::uint32_t>(sampleRate, std::numeric_limits<std::int32_t>::max()));
    owner.bitsPerSample = bitsPerSample;
    owner.sampleOffset = bitsPerSample <= 8 ? 128 : 0;
    owner.littleEndian = 1;
    owner.reading = true;
    return 0;
}

int WaveFormat::writeHeader(SoundFileKind) {
    std::FILE* stream = owner.stream;
    const std::int64_t start = streamPosition(stream);
    const auto width = static_cast<std::uint32_t>(soundfile::bytesPerSample(owner.bitsPerSample));
    const auto channels = static_cast<std::uint32_t>(owner.channels);
    const auto sampleRate = static_cast<std::uint32_t>(owner.sampleRate);
    const bool written = start >= 0 && writeLittle32(stream, kRiff) && writeLittle32(stream, 0) &&
                         writeLittle32(stream, kWave) && writeLittle32(stream, kFmt) &&
                         writeLittle32(stream, kFmtBodyBytes) && writeLittle16(stream, kPcm) &&
                         writeLittle16(stream, static_cast<std::uint16_t>(channels)) &&
                         writeLittle32(stream, sampleRate) && writeLittle32(stream, sampleRate * channels * width) &&
                         writeLittle16(stream, static_cast<std::uint16_t>(channels * width)) &&
                         writeLittle16(stream, static_cast<std::uint16_t>(owner.bitsPerSample)) &&
                         writeLittle32(stream, kData) && writeLittle32(stream, 0);
    riffSizePos = start + 4;
    dataSizePos = start + 40;
    headerBytes = kHeaderBytesAfterRiffSize;
    // The samples are stored the way this header says, whatever form the file was constructed with.
    owner.samplesLeft = 0;
    owner.sampleOffset = owner.bitsPerSample <= 8 ? 128 : 0;
    owner.littleEndian = 1;
    return written ? 0 : 1;
}

int WaveFormat::finishWrite() {
    std::FILE* stream = owner.stream;
    if (stream == nullptr) {
        return 1;
    }
    const std::int64_t dataBytes = static_cast<std::int64_t>(std::max(owner.samplesLeft, 0)) *
                                   static_cast<std::int64_t>(soundfile::bytesPerSample(owner.bitsPerSample));
    bool written = true;
    if (displayText) {
        const auto textBytes = static_cast<std::uint32_t>(displayText->size());
        written = fseeko(stream, 0, SEEK_END) == 0 && writeLittle32(stream, kDisp) &&
                  writeLittle32(stream, textBytes + 5) && writeLittle32(stream, kDisplayTextType) &&
                  std::fwrite(displayText->data(), 1, textBytes, stream) == textBytes && std::fputc(0, stream) == 0;
        headerBytes += 13 + static_cast<std::int64_t>(textBytes);
    }
    // Sizes the 32-bit fields cannot hold would describe another file than the one written.
    const std::int64_t riffSize = headerBytes + dataBytes;
    const bool fits = riffSize <= std::numeric_limits<std::uint32_t>::max();
    written = written && fits && seekTo(stream, dataSizePos) &&
              writeLittle32(stream, static_cast<std::uint32_t>(dataBytes)) && seekTo(stream, riffSizePos) &&
              writeLittle32(stream, static_cast<std::uint32_t>(riffSize));
    written = fseeko(stream, 0, SEEK_END) == 0 && written;
    return written && SoundFormat::finishWrite() == 0 ? 0 : 1;
}

void WaveFormat::setDisplayText(std::string_view text) { displayText = std::string(text); }

std::optional<std::string> WaveFormat::getDisplayText() const { return displayText; }

}  // namespace soundfile
