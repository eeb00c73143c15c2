#pragma once

#include <cstdint>

namespace tesk {

// teska: gain-shape coder of 128 transform coefficients for rate ids 0..2 (24, 16 or 12 words per frame).
// Both throw CodecError for any other rate id.

// Writes one frame of 24, 16 or 12 words.
void teskaEncodeFrame(const int16_t* coefficients, uint16_t* words, int32_t rateId);
// Reads one frame into 128 coefficients at twice the scale of the encoder's input.
void teskaDecodeFrame(int16_t* coefficients, const uint16_t* words, int32_t rateId);

}  // namespace tesk
