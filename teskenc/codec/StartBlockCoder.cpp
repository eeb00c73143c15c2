#include "teskenc/codec/StartBlockCoder.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace tesk {

namespace {

int32_t baseCode(const StartBlockState& state, int mode) {
    const int32_t s0 = state.last;
    const int32_t centred = s0 - StartBlockCoder::kMidCode;
    switch (mode) {
        case 0:
            return s0;
        case 1:
            return -s0;
        case 2:
            return state.beforeLast;
        case 3:
            return (centred >> 2) + StartBlockCoder::kMidCode;
        case 4:
            return s0 - (centred >> 1);
        case 5:
            return (centred >> 1) - s0;
        case 6:
            return s0 - (centred >> 2);
        default:
            return s0 - (centred >> 3);
    }
}

// Even indices add the row's step to the base, odd ones subtract it; codes wrap to 12 bits.
int32_t steppedCode(int32_t base, int32_t step, int index) {
    return ((index & 1) ? base - step : base + step) & StartBlockCoder::kValueMask;
}

void push(StartBlockState& state, int32_t code) {
    state.beforeLast = state.last;
    state.last = code;
}

int16_t codeToSample(int32_t code) { return static_cast<int16_t>((code - StartBlockCoder::kMidCode) * 16); }

}  // namespace

StartBlockCoder::StartBlockCoder() : codebook_(startBlockCodebook) {}

int32_t StartBlockCoder::predict(int index, const StartBlockState& state, int row, int mode) const {
    return steppedCode(baseCode(state, mode), codebook_[row][index >> 1], index);
}

void StartBlockCoder::decodeBlock(int16_t* samples, const StartBlock& block, StartBlockState& state, int n) const {
    for (int k = 0; k < n; ++k) {
        const int32_t code = predict(block.index[k], state, block.row, block.mode);
        push(state, code);
        samples[k] = codeToSample(code);
    }
}

double StartBlockCoder::search(const int16_t* values, StartBlock& block, const StartBlockState& state, int n) const {
    double bestTotal = std::numeric_limits<double>::max();
    for (int mode = 0; mode < kModes; ++mode) {
        for (int row = 0; row < kStartBlockRows; ++row) {
            const std::array<int32_t, kStartBlockColumns>& steps = codebook_[row];
            StartBlockState trial = state;
            StartBlock candidate{static_cast<uint8_t>(mode), static_cast<uint8_t>(row), {}};
            double total = 0.0;
            bool abandoned = false;
            for (int k = 0; k < n && !abandoned; ++k) {
                // The error, the fourth power of the distance, grows strictly with the integer distance even in
                // doubles, so the nearest code is the first one at the smallest distance.
                const int32_t base = baseCode(trial, mode);
                int32_t bestDistance = std::numeric_limits<int32_t>::max();
                int32_t bestCode = 0;
                for (int index = 0; index < kIndices; ++index) {
                    const int32_t code = steppedCode(base, steps[index >> 1], index);
                    const int32_t distance = std::abs(int32_t{values[k]} - codeToSample(code));
                    if (distance < bestDistance) {
                        bestDistance = distance;
                        bestCode = code;
                        candidate.index[k] = static_cast<uint8_t>(index);
                    }
                }
                push(trial, bestCode);
                const double distance = bestDistance;
                total += distance * distance * distance * distance;
                abandoned = total > bestTotal;
            }
            if (!abandoned && total < bestTotal) {
                bestTotal = total;
                block = candidate;
            }
        }
    }
    return bestTotal;
}

double StartBlockCoder::encode(const int16_t* values, StartBlock* blocks, int16_t* reconstruction, int32_t* difference,
                               int n) {
    double total = 0.0;
    for (int start = 0, b = 0; start < n; start += kBlockValues, ++b) {
        const int count = std::min(kBlockValues, n - start);
        total += search(values + start, blocks[b], state_, count);
        decodeBlock(reconstruction + start, blocks[b], state_, count);
        for (int k = start; k < start + count; ++k) {
            difference[k] = int32_t{reconstruction[k]} - int32_t{values[k]};
        }
    }
    return total;
}

}  // namespace tesk
