#pragma once

#include <array>
#include <cstdint>

namespace tesk {

// Decodes one frame per call into 128 samples at the current rate id, overlap-adding with the previous frame.
class FrameDecoder {
  public:
    // Throws CodecError for a rate id that no codec accepts (3, 10 and above, negative).
    void setRate(int32_t rateId);
    int32_t rateId() const { return rateId_; }
    int32_t wordsPerFrame() const { return wordsPerFrame_; }

    // words: one frame of wordsPerFrame() words; samples: 128 output samples.
    void decode(int16_t* samples, const uint16_t* words);
    // Primes the overlap from a stream's first frame (20-word start-up frame or a normal frame); no output.
    void decodeFirstFrame(const uint16_t* words, bool startUp);
    // The inverse transform's state that the next frame overlaps with.
    const std::array<int16_t, 128>& overlap() const { return overlap_; }

  private:
    std::array<int16_t, 128> overlap_{};
    int32_t rateId_ = 0;
    int32_t wordsPerFrame_ = 24;  // the entry of rate id 0
};

}  // namespace tesk
