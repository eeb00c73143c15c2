#pragma once

#include <array>
#include <cstdint>

namespace soundfile {

// A rate of a speech-header file as two divisors of the chip clock: rate = 5068800 / (2 x A x B).
struct DivisorRate {
    std::uint16_t rate;
    std::uint16_t a;
    std::uint16_t b;
};

// The divisor pairs a writer may choose from, in ascending order of rate.
extern const std::array<DivisorRate, 147> divisorRateTable;

}  // namespace soundfile
