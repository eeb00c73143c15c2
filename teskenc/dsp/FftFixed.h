#pragma once

#include "teskenc/dsp/Complex16.h"

namespace tesk {

// Radix-4 butterfly with 16-bit saturation after every sum; nothing is divided. x and y hold 4 values each and
// may be the same buffer.
void fft4Butterfly(const Complex16* x, Complex16* y);
// Rounded Q15 product z * w, each part saturated to 16 bits.
Complex16 fft4Rotate(Complex16 z, Complex16 w);

// Unscaled 64-point complex FFT of the inverse transform: three radix-4 stages, natural order in and out.
// x and y hold 64 values each and must not overlap.
void fft64Fixed(const Complex16* x, Complex16* y);

}  // namespace tesk
