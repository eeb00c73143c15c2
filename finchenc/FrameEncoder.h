#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "finchenc/FinchCodec.h"
#include "finchenc/SubbandAnalysis.h"

namespace finch {

using BandValues = std::array<double, kBandCount>;
using BandAllocation = std::array<int, kBandCount>;

// Encodes 384 samples into one frame and returns its words (after initCodec the first frame is
// preceded by the rate code word). The words stay valid until the codec packs again.
std::span<const std::uint16_t> encodeFrame(FinchCodec& codec, std::span<const std::int16_t, kSamplesPerFrame> samples);

// Largest magnitude of each band over blocks first..first+5.
BandValues bandPeaks(const SubbandSamples& subbands, int firstBlock);

// Index of the smallest scale factor that covers peak (the scale value is twice the table entry).
int scaleFactorIndex(double peak);

// Root mean square of each band over the frame's 12 blocks.
BandValues bandRms(const SubbandSamples& subbands);

// Greedy allocation of units bits per sample: bands 0-3 get one bit up front, then each unit goes
// to the band with the largest remaining energy (ties to the higher band), which is quartered.
BandAllocation allocateBits(BandValues rms, int units, int cap);

// The code of sub-band sample s at scale value scale for n = 1..5 bits: sign bit (set for s <= 0)
// above n - 1 bits of the nearest quantiser centre.
std::uint16_t quantizeSample(double s, double scale, int n);

}  // namespace finch
