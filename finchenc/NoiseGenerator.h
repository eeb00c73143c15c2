#pragma once

#include <cstdint>

namespace finch {

// The linear congruential generator shared by encoder and decoder: both draw one value for every
// band without bits, so the decoder's noise stays in step with the encoder's.
struct NoiseGenerator {
    std::uint16_t state = 21845;

    // noiseSample: the next value of the sequence as a signed 16-bit sample.
    std::int16_t next();
};

}  // namespace finch
