#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct soxr;

// Sample-rate conversion of interleaved float frames through libsoxr, at its high quality (20-bit precision,
// linear phase), in this thread only. Output is aligned with the input: the filter's delay is taken out.
class RateConverter {
  public:
    // When the converter cannot be made, failed() is true and problem() says why.
    RateConverter(int sourceRate, int copyRate, int channels);
    ~RateConverter();
    RateConverter(const RateConverter&) = delete;
    RateConverter& operator=(const RateConverter&) = delete;

    bool failed() const { return !problem_.empty(); }
    const std::string& problem() const { return problem_; }
    // Appends the output for these input frames (the converter holds some back until later input or finish).
    bool convert(const std::vector<float>& input, std::vector<float>& output);
    // Appends what is held back, once the input has ended.
    bool finish(std::vector<float>& output);

  private:
    bool run(const float* input, std::size_t frames, std::vector<float>& output);

    soxr* resampler_ = nullptr;
    std::size_t channels_;
    double ratio_;
    std::string problem_;
};
