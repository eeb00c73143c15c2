#include "tools/rs/ChannelMix.h"

namespace {

constexpr float kFullScale = 32768.0f;

}  // namespace

bool ChannelMix::possible(int sourceChannels, int copyChannels) {
    return sourceChannels == copyChannels || copyChannels == 1 || sourceChannels == 1;
}

ChannelMix::ChannelMix(int sourceChannels, int copyChannels)
    : source_(sourceChannels), copy_(copyChannels), converted_(copyChannels == 1 ? 1 : sourceChannels) {}

void ChannelMix::narrow(const std::int16_t* samples, std::size_t frames, std::vector<float>& values) const {
    values.resize(frames * static_cast<std::size_t>(converted_));
    if (converted_ == source_) {
        for (std::size_t i = 0; i < values.size(); ++i) values[i] = samples[i] / kFullScale;
        return;
    }
    const auto channels = static_cast<std::size_t>(source_);
    for (std::size_t frame = 0; frame < frames; ++frame) {
        // Whole numbers up to 8 x 32768 are exact in a float, so the sum is too.
        float sum = 0;
        for (std::size_t channel = 0; channel < channels; ++channel) sum += samples[frame * channels + channel];
        values[frame] = sum / static_cast<float>(source_) / kFullScale;
    }
}

void ChannelMix::widen(const std::vector<std::int16_t>& samples, std::vector<std::int16_t>& frames) const {
    if (copy_ == converted_) {
        frames = samples;
        return;
    }
    frames.clear();
    frames.reserve(samples.size() * static_cast<std::size_t>(copy_));
    for (std::int16_t sample : samples) frames.insert(frames.end(), static_cast<std::size_t>(copy_), sample);
}
