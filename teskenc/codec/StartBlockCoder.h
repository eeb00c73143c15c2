#pragma once

#include <array>
#include <cstdint>

#include "teskenc/codec/StartBlockCodebook.h"

namespace tesk {

// One coded block of up to 8 start-up values: a predictor mode, a codebook row and a step index per value.
struct StartBlock {
    uint8_t mode = 0;
    uint8_t row = 0;
    std::array<uint8_t, 8> index{};
};

// The two most recent 12-bit codes; every start-up frame begins at mid-scale.
struct StartBlockState {
    int32_t last = 2048;
    int32_t beforeLast = 2048;
};

// Codes 16-bit values as 12-bit predicted codes (v - 2048) * 16, one exhaustively searched block of 8 at a time.
class StartBlockCoder {
  public:
    static constexpr int kBlockValues = 8;
    static constexpr int kModes = 8;
    static constexpr int kIndices = 16;
    static constexpr int32_t kValueMask = 4095;
    static constexpr int32_t kMidCode = 2048;

    StartBlockCoder();

    int32_t predict(int index, const StartBlockState& state, int row, int mode) const;
    // Rebuilds n <= 8 values of one block and advances the state.
    void decodeBlock(int16_t* samples, const StartBlock& block, StartBlockState& state, int n) const;
    // Finds the best block for n <= 8 values from the given state (left unchanged); returns its error.
    double search(const int16_t* values, StartBlock& block, const StartBlockState& state, int n) const;
    // Codes n values in blocks of 8 with the coder's running state; returns the summed error.
    double encode(const int16_t* values, StartBlock* blocks, int16_t* reconstruction, int32_t* difference, int n);

  private:
    std::array<std::array<int32_t, kStartBlockColumns>, kStartBlockRows> codebook_;
    StartBlockState state_;
};

}  // namespace tesk
