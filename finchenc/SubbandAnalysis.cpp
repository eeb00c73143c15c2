#include "finchenc/SubbandAnalysis.h"

#include <algorithm>
#include <cmath>

#include "finchenc/FilterBankTables.h"

namespace finch {

namespace {

void analyzeBlock(std::array<double, 512>& history, const std::int16_t* input, const FilterBankTables& tables,
                  std::array<double, kBandCount>& out) {
    std::copy_backward(history.begin(), history.end() - 32, history.end());
    for (int k = 0; k < 32; ++k) {
        history[31 - k] = input[k] >> 1;
    }
    std::array<double, 64> y;
    for (int i = 0; i < 64; ++i) {
        double sum = 0.0;
        for (int j = 0; j < 8; ++j) {
            sum += history[i + 64 * j] * tables.window[i + 64 * j];
        }
        y[i] = sum;
    }
    // Folding the 64 partial sums onto 32 halves the matrixing and gives the same sums.
    std::array<double, 32> folded;
    folded[0] = y[16];
    for (int k = 1; k <= 16; ++k) {
        folded[k] = y[16 + k] + y[16 - k];
    }
    for (int k = 17; k < 32; ++k) {
        folded[k] = y[16 + k] - y[80 - k];
    }
    for (int i = 0; i < kBandCount; ++i) {
        double sum = 0.0;
        for (int k = 0; k < 32; ++k) {
            sum += tables.cosine[i][k] * folded[k];
        }
        out[i] = std::trunc(sum);
    }
}

}  // namespace

void analyzeFrame(FinchCodec& codec, std::span<const std::int16_t, kSamplesPerFrame> samples,
                  SubbandSamples& subbands) {
    const FilterBankTables& tables = filterBankTables();
    for (int t = 0; t < kBlocksPerFrame; ++t) {
        analyzeBlock(codec.analysisHistory, samples.data() + 32 * t, tables, subbands[t]);
    }
}

}  // namespace finch
