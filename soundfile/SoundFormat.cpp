#include "soundfile/SoundFormat.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "soundfile/SampleCoding.h"
#include "soundfile/SoundFileState.h"

namespace soundfile {

namespace {

constexpr std::size_t kChunkBytes = 8192;

SampleCoding codingOf(const SoundFileState& state) {
    return SampleCoding{state.bitsPerSample, state.sampleOffset, state.littleEndian};
}

}  // namespace

int SoundFormat::readHeader() { return 0; }

int SoundFormat::writeHeader(SoundFileKind) { return 0; }

void SoundFormat::closeRead() {}

int SoundFormat::finishWrite() {
    if (owner.stream == nullptr) {
        return 1;
    }
    return std::fflush(owner.stream) == 0 && !std::ferror(owner.stream) ? 0 : 1;
}

std::int32_t SoundFormat::readSamples(std::int16_t* buffer, std::int32_t n) {
    n = std::min(n, owner.samplesLeft);
    if (n <= 0 || owner.stream == nullptr) {
        return 0;
    }
    const SampleCoding coding = codingOf(owner);
    const std::size_t width = coding.bytesPerSample();
    unsigned char bytes[kChunkBytes];
    std::int32_t done = 0;
    while (done < n) {
        const std::size_t wanted = std::min<std::size_t>(static_cast<std::size_t>(n - done), kChunkBytes / width);
        const std::size_t got = std::fread(bytes, width, wanted, owner.stream);
        coding.decode(bytes, buffer + done, got);
        done += static_cast<std::int32_t>(got);
        if (got < wanted) {
            break;
        }
    }
    owner.samplesLeft -= done;
    return done;
}

std::int32_t SoundFormat::writeSamples(const std::int16_t* buffer, std::int32_t n) {
    if (n <= 0 || owner.stream == nullptr) {
        return 0;
    }
    // The count of samples written must stay representable.
    const std::int32_t written = std::max(owner.samplesLeft, 0);
    n = std::min(n, std::numeric_limits<std::int32_t>::max() - written);
    const SampleCoding coding = codingOf(owner);
    const std::size_t width = coding.bytesPerSample();
    unsigned char bytes[kChunkBytes];
    std::int32_t done = 0;
    while (done < n) {
        const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(n - done), kChunkBytes / width);
        coding.encode(buffer + done, bytes, count);
        const std::size_t put = std::fwrite(bytes, width, count, owner.stream);
        done += static_cast<std::int32_t>(put);
        if (put < count) {
            break;
        }
    }
    owner.samplesLeft = written + done;
    return done;
}

void SoundFormat::setDisplayText(std::string_view) {}

std::optional<std::string> SoundFormat::getDisplayText() const { return std::nullopt; }

}  // namespace soundfile
