#include "tools/rs/WaveResampler.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

#include "soundfile/SoundFile.h"
#include "tools/rs/ChannelMix.h"
#include "tools/rs/RateConverter.h"
#include "tools/rs/ResampleArguments.h"
#include "tools/rs/SampleWidth.h"
#include "tools/rs/StagedFile.h"

namespace {

constexpr std::int64_t kFramesPerBlock = 8192;

std::string systemReason(int error) { return error != 0 ? std::strerror(error) : "unknown error"; }

std::string cannotRead(const std::string& name, int error) {
    return "cannot read " + name + ": " + systemReason(error);
}

std::string cannotWrite(const std::string& name, int error) {
    return "cannot write " + name + ": " + systemReason(error);
}

// What the source's header says, or why it is no sound rs can read.
std::string checkSource(soundfile::SoundFile& source) {
    errno = 0;
    if (source.openRead() != 0) {
        if (errno != 0) return cannotRead(source.name(), errno);
    } else if (source.detectKind() == soundfile::SoundFileKind::Wave && source.channels() > 0 &&
               source.sampleRate() > 0 && (source.bitsPerSample() == 8 || source.bitsPerSample() == 16)) {
        return "";
    }
    return source.name() + " is not a PCM WAV file with 8- or 16-bit samples";
}

// The copy's frames for the source's: the same number at the same rate, else the rounded share of the new rate.
std::int64_t copyFrames(std::int64_t sourceFrames, int sourceRate, int copyRate) {
    if (sourceRate == copyRate) return sourceFrames;
    return std::llround(static_cast<double>(sourceFrames) * copyRate / sourceRate);
}

}  // namespace

std::string resampleWave(const ResampleArguments& arguments) {
    soundfile::SoundFile source(arguments.source);
    if (std::string problem = checkSource(source); !problem.empty()) return problem;
    const int sourceChannels = source.channels();
    const int rate = arguments.rate.value_or(source.sampleRate());
    const int channels = arguments.channels.value_or(sourceChannels);
    const int bits = arguments.bits.value_or(source.bitsPerSample());
    if (!ChannelMix::possible(sourceChannels, channels))
        return "cannot make " + std::to_string(channels) + " channels of " + std::to_string(sourceChannels);
    const ChannelMix mix(sourceChannels, channels);

    const std::int64_t sourceFrames = source.getSamplesLeft() / sourceChannels;
    const std::int64_t frames = copyFrames(sourceFrames, source.sampleRate(), rate);
    if (frames * channels > std::numeric_limits<std::int32_t>::max())
        return arguments.destination + " would be too long for a WAV file";

    std::optional<RateConverter> converter;
    if (rate != source.sampleRate()) {
        converter.emplace(source.sampleRate(), rate, mix.convertedChannels());
        if (converter->failed()) return "cannot convert the rate: " + converter->problem();
    }

    StagedFile staged(arguments.destination);
    if (!staged.created()) return "cannot create a file beside " + arguments.destination + ": " + systemReason(errno);
    soundfile::SoundFile copy(staged.path(), rate, bits, channels, bits == 8 ? 128 : 0, 1);
    if (copy.openWrite(soundfile::SoundFileKind::Wave) != 0) return cannotWrite(arguments.destination, errno);

    std::vector<std::int16_t> block;
    std::vector<float> values;
    std::vector<float> converted;
    std::vector<std::int16_t> samples;
    std::vector<std::int16_t> copyBlock;
    std::int64_t framesRead = 0;
    std::int64_t framesWritten = 0;
    // Writes the converted values, never more than the copy's frames: the converter's tail may round up.
    auto write = [&](const std::vector<float>& output) {
        quantize(output, bits, samples);
        const auto convertedChannels = static_cast<std::size_t>(mix.convertedChannels());
        samples.resize(std::min<std::size_t>(samples.size(),
                                             static_cast<std::size_t>(frames - framesWritten) * convertedChannels));
        mix.widen(samples, copyBlock);
        errno = 0;
        const auto wanted = static_cast<std::int32_t>(copyBlock.size());
        const std::int32_t put = copy.writeSamples(copyBlock.data(), wanted);
        framesWritten += put / channels;
        return put == wanted;
    };

    while (framesRead < sourceFrames) {
        const std::int64_t wanted = std::min(kFramesPerBlock, sourceFrames - framesRead);
        block.resize(static_cast<std::size_t>(wanted * sourceChannels));
        errno = 0;
        const std::int32_t got = source.readSamples(block.data(), static_cast<std::int32_t>(block.size()));
        if (got != static_cast<std::int32_t>(block.size())) return cannotRead(arguments.source, errno ? errno : EIO);
        framesRead += wanted;
        mix.narrow(block.data(), static_cast<std::size_t>(wanted), values);
        if (converter) {
            converted.clear();
            if (!converter->convert(values, converted)) return "cannot convert the rate: " + converter->problem();
        }
        if (!write(converter ? converted : values)) return cannotWrite(arguments.destination, errno);
    }
    if (converter) {
        converted.clear();
        if (!converter->finish(converted)) return "cannot convert the rate: " + converter->problem();
        if (!write(converted)) return cannotWrite(arguments.destination, errno);
    }
    errno = 0;
    if (copy.finishWrite() != 0) return cannotWrite(arguments.destination, errno);
    if (framesWritten != frames)
        return arguments.destination + ": " + std::to_string(framesWritten) + " of " + std::to_string(frames) +
               " frames written";
    if (!staged.commit())
        return "cannot put the copy in place of " + arguments.destination + ": " + systemReason(errno);
    return "";
}
