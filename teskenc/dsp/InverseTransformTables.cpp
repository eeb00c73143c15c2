#include "teskenc/dsp/InverseTransformTables.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tesk {

namespace {

int16_t rounded(double value) { return static_cast<int16_t>(std::clamp(std::floor(value + 0.5), -32768.0, 32767.0)); }

}  // namespace

InverseTransformTables buildTransformTables() {
    constexpr double kPi = std::numbers::pi;
    constexpr double kSqrt2 = std::numbers::sqrt2;
    InverseTransformTables tables;
    for (int k = 0; k < 128; ++k) tables.invWindow[k] = rounded(kSqrt2 * 16384.0 * std::sin((k + 0.5) * kPi / 256.0));
    for (int j = 0; j < 64; ++j) {
        const double angle = (j + 0.25) * kPi / 128.0;
        tables.invPreCos[j] = rounded(32768.0 * std::cos(angle));
        tables.invPreSin[j] = static_cast<int16_t>(-rounded(32768.0 * std::sin(angle)));
    }
    for (int n = 0; n < 64; ++n) {
        const double angle = n * kPi / 128.0;
        tables.invPostCos[n] = rounded(kSqrt2 * 16384.0 * std::cos(angle));
        tables.invPostSin[n] = static_cast<int16_t>(-rounded(kSqrt2 * 16384.0 * std::sin(angle)));
    }
    return tables;
}

const InverseTransformTables& inverseTransformTables() {
    static const InverseTransformTables tables = buildTransformTables();
    return tables;
}

}  // namespace tesk
