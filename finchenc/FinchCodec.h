#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "finchenc/NoiseGenerator.h"
#include "finchenc/WordBuffer.h"

namespace finch {

inline constexpr int kSamplesPerFrame = 384;
inline constexpr int kBlocksPerFrame = 12;
inline constexpr int kBandCount = 32;
inline constexpr int kSynthesisBufferLength = 264;

// The whole state of one Finch stream, encoding or decoding. The program holds one; tests make
// fresh ones. Tables that never change live in FilterBankTables.
struct FinchCodec {
    std::int16_t rateCode = 6;
    std::int16_t baseUnits = 58;
    WordBuffer wordBuffer;
    // The last 512 input samples, halved, newest first.
    std::array<double, 512> analysisHistory{};
    std::array<std::int16_t, kSynthesisBufferLength> synthesisA{};
    std::array<std::int16_t, kSynthesisBufferLength> synthesisB{};
    // Runs on across initCodec: a full run decodes with the sequence that encoding left.
    NoiseGenerator noise;
};

// Sets the rate from its text ("16", "20", anything else is 24 kbit/s), clears the packer and puts
// the rate code in as its first word, and clears the analysis and synthesis history.
void initCodec(FinchCodec& codec, std::string_view rate);

// Bits in one frame for a rate code: 768 for 2, 960 for 4, 1152 for every other value.
int frameBitsFor(int rateCode);

}  // namespace finch
