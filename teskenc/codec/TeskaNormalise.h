#pragma once

#include <cstdint>

namespace tesk {

// Splits 128 transform coefficients into 16 bands of 8, each scaled to a unit-gain shape and its gain.
// normalised: 128 values; gains: 16 band gains at the decoder's scale (twice the band's root energy).
void teskaNormaliseBands(const int16_t* coefficients, int16_t* normalised, int16_t* gains);

}  // namespace tesk
