#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace testsupport {

// Signal-to-noise ratio in dB of `decoded` against `reference` over reference samples [begin, end), decoded
// sample i + lag answering reference sample i; the range stops where either runs out. With noiseFloor above
// zero the noise energy counts as at least that much, so an exact copy gives a finite figure (infinity otherwise).
double snrDb(const std::vector<std::int16_t>& reference, const std::vector<std::int16_t>& decoded, std::size_t begin,
             std::size_t end, std::size_t lag = 0, double noiseFloor = 0.0);

// Root mean square of the samples; 0 for none.
double rootMeanSquare(const std::vector<std::int16_t>& samples);

}  // namespace testsupport
