#include "soundfile/SoundFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <utility>
#include <vector>

#include "soundfile/LittleEndianStream.h"
#include "soundfile/RawFormat.h"
#include "soundfile/SoundFormat.h"
#include "soundfile/SpeechHeaderFormat.h"
#include "soundfile/WaveFormat.h"

namespace soundfile {

namespace {

// Only a regular file has a length and samples to read: a directory, a device or a pipe is refused like a
// missing file. The descriptor is opened without blocking so that a pipe with no writer cannot stall the
// open.
std::FILE* openRegularFileForReading(const std::string& name) {
    const int descriptor = open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return nullptr;
    }
    struct stat status {};
    int cause = 0;
    if (fstat(descriptor, &status) != 0) {
        cause = errno;
    } else if (!S_ISREG(status.st_mode)) {
        cause = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
    } else if (fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK) != 0) {
        cause = errno;
    } else if (std::FILE* stream = fdopen(descriptor, "rb")) {
        return stream;
    } else {
        cause = errno;
    }
    close(descriptor);
    errno = cause;
    return nullptr;
}

}  // namespace

SoundFile::SoundFile(std::string name) : fileName(std::move(name)) {}

SoundFile::SoundFile(std::string name, std::int32_t sampleRate, std::int32_t bitsPerSample, std::int32_t channels,
                     std::int32_t sampleOffset, std::int32_t littleEndian)
    : fileName(std::move(name)) {
    state.sampleRate = sampleRate;
    state.bitsPerSample = bitsPerSample;
    state.channels = channels;
    state.sampleOffset = sampleOffset;
    state.littleEndian = littleEndian;
}

SoundFile::~SoundFile() {
    if (state.reading) {
        closeRead();
    }
    closeStream();
}

void SoundFile::closeStream() {
    if (state.stream != nullptr) {
        std::fclose(state.stream);
        state.stream = nullptr;
    }
}

SoundFileKind SoundFile::detectKind() {
    if (state.stream == nullptr) {
        return SoundFileKind::Raw;
    }
    const std::int64_t position = streamPosition(state.stream);
    std::uint32_t first = 0;
    const bool read = seekTo(state.stream, 0) && readLittle32(state.stream, first);
    seekTo(state.stream, position);
    if (read && first == static_cast<std::uint32_t>(SoundFileKind::SpeechHeader)) {
        return SoundFileKind::SpeechHeader;
    }
    if (read && first == static_cast<std::uint32_t>(SoundFileKind::Wave)) {
        return SoundFileKind::Wave;
    }
    return SoundFileKind::Raw;
}

int SoundFile::openRead() {
    closeStream();
    format.reset();
    state.reading = false;
    state.samplesLeft = -1;
    std::FILE* stream = openRegularFileForReading(fileName);
    if (stream == nullptr) {
        return 1;
    }
    state.stream = stream;
    switch (detectKind()) {
        case SoundFileKind::Wave:
            format = std::make_unique<WaveFormat>(state);
            break;
        case SoundFileKind::SpeechHeader:
            format = std::make_unique<SpeechHeaderFormat>(state);
            break;
        case SoundFileKind::Raw:
            format = std::make_unique<RawFormat>(state);
            break;
    }
    return format->readHeader();
}

int SoundFile::openWrite(SoundFileKind kind) {
    if (kind != SoundFileKind::Wave && kind != SoundFileKind::SpeechHeader) {
        errno = EINVAL;
        return 1;
    }
    closeStream();
    format.reset();
    state.reading = false;
    // Read access too: the display-text operations look at the kind of the file being written.
    std::FILE* stream = std::fopen(fileName.c_str(), "w+b");
    if (stream == nullptr) {
        return 1;
    }
    state.stream = stream;
    if (kind == SoundFileKind::Wave) {
        format = std::make_unique<WaveFormat>(state);
    } else {
        format = std::make_unique<SpeechHeaderFormat>(state);
    }
    return format->writeHeader(kind);
}

void SoundFile::closeRead() {
    if (format) {
        format->closeRead();
    }
}

int SoundFile::finishWrite() { return format ? format->finishWrite() : 1; }

std::int32_t SoundFile::readSamples(std::int16_t* buffer, std::int32_t n) {
    return format ? format->readSamples(buffer, n) : 0;
}

std::int32_t SoundFile::writeSamples(const std::int16_t* buffer, std::int32_t n) {
    return format ? format->writeSamples(buffer, n) : 0;
}

std::int32_t SoundFile::readFloatSamples(float* buffer, std::int32_t n) {
    if (!format || n <= 0) {
        return 0;
    }
    std::vector<std::int16_t> samples(static_cast<std::size_t>(n));
    const std::int32_t count = format->readSamples(samples.data(), n);
    for (std::int32_t i = 0; i < count; ++i) {
        buffer[i] = static_cast<float>(samples[static_cast<std::size_t>(i)] / 32768.0);
    }
    return count;
}

std::int32_t SoundFile::writeFloatSamples(const float* buffer, std::int32_t n) {
    if (!format || n <= 0) {
        return 0;
    }
    std::vector<std::int16_t> samples(static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double scaled = static_cast<double>(buffer[i]) * 32768.0;
        // NaN has no sample value; silence is the least surprising one.
        const double limited = std::isnan(scaled) ? 0.0 : std::clamp(scaled, -32768.0, 32767.0);
        samples[i] = static_cast<std::int16_t>(limited);
    }
    return format->writeSamples(samples.data(), n);
}

std::optional<std::string> SoundFile::getDisplayText() {
    if (!format || detectKind() != SoundFileKind::Wave) {
        return std::nullopt;
    }
    return format->getDisplayText();
}

void SoundFile::setDisplayText(std::string_view text) {
    if (format && detectKind() == SoundFileKind::Wave) {
        format->setDisplayText(text);
    }
}

}  // namespace soundfile
