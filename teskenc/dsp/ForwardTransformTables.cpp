#include "teskenc/dsp/ForwardTransformTables.h"

#include <cmath>

namespace tesk {

namespace {

int16_t truncated(double value) { return static_cast<int16_t>(std::trunc(value)); }

}  // namespace

ForwardTransformTables buildForwardTransformTables() {
    constexpr double kPi = 3.141592654;
    const double sqrt2 = std::sqrt(2.0);
    ForwardTransformTables tables;
    for (int k = 0; k < 128; ++k) tables.fwdWindow[k] = truncated(4096.0 * sqrt2 * std::sin((k + 0.5) * kPi / 256.0));
    for (int j = 0; j < 64; ++j) {
        const double angle = (j + 0.25) * kPi / 128.0;
        tables.fwdPreCos[j] = truncated(16384.0 * std::cos(angle));
        tables.fwdPreSin[j] = static_cast<int16_t>(-truncated(16384.0 * std::sin(angle)));
    }
    for (int n = 0; n < 64; ++n) {
        const double angle = n * kPi / 128.0;
        tables.fwdPostCos[n] = truncated(4096.0 * sqrt2 * std::cos(angle));
        tables.fwdPostSin[n] = static_cast<int16_t>(-truncated(4096.0 * sqrt2 * std::sin(angle)));
    }
    return tables;
}

const ForwardTransformTables& forwardTransformTables() {
    static const ForwardTransformTables tables = buildForwardTransformTables();
    return tables;
}

}  // namespace tesk
