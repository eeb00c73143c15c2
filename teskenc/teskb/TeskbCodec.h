#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace tesk {

// Coefficient coder for rate ids 4..9: per band of 8 coefficients a 4-bit scale index, a class from the
// ranking of the scale indices, a peak position and a fixed pattern of 4-bit and 2-bit codes around the peak.
// A frame fills 64 + 4 * (sum of the rate's class row) bits: 10, 12, 14, 16, 20 or 24 words.

// Class per rank (rank 0 = largest scale index) for one rate id.
using TeskbClassRow = std::array<int, 16>;

// The class row of a rate id 4..9; throws std::invalid_argument with the message line
// "change teskb data rate error\n" for any other id.
const TeskbClassRow& teskbSetRate(int32_t rateId);

// coefficients: 128 values at twice the forward transform's scale, overwritten by their normalised values.
// Packs one frame from words[0]; bits beyond the end of words are dropped.
void teskbEncodeFrame(int16_t* coefficients, std::span<uint16_t> words, int32_t rateId);

// Reads one frame from words[0] into 128 coefficients at the encoder's input scale. A value whose bits lie
// beyond the end of words decodes as 0, so a frame kept shorter than it was coded loses only its tail bands.
void teskbDecodeFrame(int16_t* coefficients, std::span<const uint16_t> words, int32_t rateId);

}  // namespace tesk
