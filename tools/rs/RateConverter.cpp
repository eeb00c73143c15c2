#include "tools/rs/RateConverter.h"

#include <soxr.h>

namespace {

// Output room for one call beyond the input's share, so that held-back frames come out promptly.
constexpr std::size_t kSpareFrames = 1024;

}  // namespace

RateConverter::RateConverter(int sourceRate, int copyRate, int channels)
    : channels_(static_cast<std::size_t>(channels)), ratio_(static_cast<double>(copyRate) / sourceRate) {
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    const soxr_runtime_spec_t runtime = soxr_runtime_spec(1);
    soxr_error_t error = nullptr;
    resampler_ = soxr_create(sourceRate, copyRate, static_cast<unsigned>(channels), &error, &io, &quality, &runtime);
    if (error) {
        problem_ = error;
        soxr_delete(resampler_);
        resampler_ = nullptr;
    }
}

RateConverter::~RateConverter() { soxr_delete(resampler_); }

bool RateConverter::convert(const std::vector<float>& input, std::vector<float>& output) {
    // No input at all is how the end is told.
    if (input.empty()) return !failed();
    return run(input.data(), input.size() / channels_, output);
}

bool RateConverter::finish(std::vector<float>& output) { return run(nullptr, 0, output); }

bool RateConverter::run(const float* input, std::size_t frames, std::vector<float>& output) {
    if (!resampler_) return false;
    const auto room = static_cast<std::size_t>(static_cast<double>(frames) * ratio_) + kSpareFrames;
    std::size_t used = 0;
    // Input is taken until it is used up; at the end (no input) output is drained until none comes.
    for (;;) {
        const std::size_t start = output.size();
        output.resize(start + room * channels_);
        std::size_t taken = 0;
        std::size_t made = 0;
        const soxr_error_t error = soxr_process(resampler_, input ? input + used * channels_ : nullptr, frames - used,
                                                &taken, output.data() + start, room, &made);
        output.resize(start + made * channels_);
        if (error) {
            problem_ = error;
            return false;
        }
        used += taken;
        if (input ? used == frames : made == 0) return true;
    }
}
