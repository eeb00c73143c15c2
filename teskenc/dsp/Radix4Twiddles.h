#pragma once

#include <array>

#include "teskenc/dsp/Complex16.h"

namespace tesk {

// Q15 twiddles of the radix-4 FFT, rounded to nearest from exact pi.
struct FftTwiddles {
    // Entry i is exp(-j*pi*i/64), so entry 2e is W^e with W = exp(-j*2*pi/64); 32768 is stored as 32767.
    std::array<Complex16, 64> fft4Twiddles{};
    // W^33, W^36, W^39, W^42, W^45: the first-stage rotations beyond the half circle.
    std::array<Complex16, 5> fft4Extra{};
};

FftTwiddles buildFftTwiddles();
// Built once per process on first use.
const FftTwiddles& fftTwiddles();

}  // namespace tesk
