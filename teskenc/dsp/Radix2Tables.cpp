#include "teskenc/dsp/Radix2Tables.h"

#include <cmath>

namespace tesk {

Radix2Tables buildRadix2Tables() {
    constexpr double kPi = 3.14159;
    Radix2Tables tables;
    for (int k = 0; k < 32; ++k) {
        const double angle = 2.0 * kPi * k / 64.0;
        tables.fftCos[k] = static_cast<int16_t>(std::trunc(32767.0 * std::cos(angle)));
        tables.fftSin[k] = static_cast<int16_t>(-std::trunc(32767.0 * std::sin(angle)));
    }
    return tables;
}

const Radix2Tables& radix2Tables() {
    static const Radix2Tables tables = buildRadix2Tables();
    return tables;
}

}  // namespace tesk
