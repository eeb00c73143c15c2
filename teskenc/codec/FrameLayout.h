#pragma once

#include <array>
#include <cstdint>

namespace tesk {

// Sizes shared by the codec front and the stream coders.
inline constexpr int kFrameSamples = 128;
inline constexpr int kWindowSamples = 256;
inline constexpr int kStartFrameWords = 20;
// Overlap values that a start-up frame carries: the half of the state that the next synthesis reads.
inline constexpr int kStartFrameValues = 64;
inline constexpr int kMaxFrameWords = 24;
inline constexpr int kRateIdCount = 11;

// Words per 128-sample frame by rate id; 3 and 10 have entries but no codec accepts them.
extern const std::array<int32_t, kRateIdCount> wordsPerFrame;

// True for the rate ids a codec accepts: 0..2 (teska) and 4..9 (teskb).
bool isCodecRateId(int32_t rateId);
// Throws CodecError with the message of the codec that the rate id would reach when no codec accepts it.
void requireCodecRateId(int32_t rateId);

}  // namespace tesk
