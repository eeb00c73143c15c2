#pragma once

#include <cstdint>

namespace tesk {

// Codes one 128-sample hop per call at the current rate id: lapped transform, then teska (rate ids 0..2) or
// teskb (4..9).
class FrameEncoder {
  public:
    // Throws CodecError for a rate id that no codec accepts (3, 10 and above, negative).
    void setRate(int32_t rateId);
    int32_t rateId() const { return rateId_; }
    int32_t wordsPerFrame() const { return wordsPerFrame_; }

    // window: 256 samples, the older hop first; writes wordsPerFrame() words.
    void encode(const int16_t* window, uint16_t* words) const;
    // startUp: writes the 20-word start-up frame that primes a decoder; otherwise the same as encode.
    void encodeStartFrame(const int16_t* window, uint16_t* words, bool startUp) const;

  private:
    int32_t rateId_ = 0;
    int32_t wordsPerFrame_ = 24;  // the entry of rate id 0
};

}  // namespace tesk
