#pragma once

#include <cstdint>

namespace tesk {

// Unscaled 64-point complex FFT of the forward transform, in place, natural order in and out: six radix-2
// decimation-in-frequency stages of saturating operators, then a bit-reversal reorder. re and im hold 64 each.
void fft64Radix2(int16_t* re, int16_t* im);

}  // namespace tesk
