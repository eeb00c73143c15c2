#include "tests/support/Snr.h"

#include <algorithm>
#include <cmath>

namespace testsupport {

double snrDb(const std::vector<std::int16_t>& reference, const std::vector<std::int16_t>& decoded, std::size_t begin,
             std::size_t end, std::size_t lag, double noiseFloor) {
    double signal = 0.0;
    double noise = 0.0;
    for (std::size_t i = begin; i < end && i < reference.size() && i + lag < decoded.size(); ++i) {
        const double wanted = reference[i];
        const double error = wanted - decoded[i + lag];
        signal += wanted * wanted;
        noise += error * error;
    }
    return 10.0 * std::log10(signal / std::max(noise, noiseFloor));
}

double rootMeanSquare(const std::vector<std::int16_t>& samples) {
    double sum = 0;
    for (const std::int16_t sample : samples) sum += static_cast<double>(sample) * sample;
    return samples.empty() ? 0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

}  // namespace testsupport
