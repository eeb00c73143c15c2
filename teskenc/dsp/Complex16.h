#pragma once

#include <cstdint>

namespace tesk {

// One complex sample of the fixed-point FFTs, each part a 16-bit word.
struct Complex16 {
    int16_t re = 0;
    int16_t im = 0;

    friend bool operator==(const Complex16&, const Complex16&) = default;
};

}  // namespace tesk
