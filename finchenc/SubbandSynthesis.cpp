#include "finchenc/SubbandSynthesis.h"

#include <algorithm>

#include "finchenc/DecoderArithmetic.h"
#include "finchenc/FilterBankTables.h"

namespace finch {

namespace {

// Sums are wide so that loud input cannot wrap; where 32 bits would not overflow the result is the same.
std::int16_t saturate16(std::int64_t value) {
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(value, INT16_MIN, INT16_MAX));
}

std::int16_t outputSample(std::int64_t sum) {
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(sum >> 15, -8191, 8191) * 4);
}

std::int64_t windowRow(const std::array<std::int16_t, 16>& row, const std::int16_t* line, int length) {
    std::int64_t sum = 0;
    for (int k = 0; k < length; ++k) {
        sum += mulShort(row[k], line[k]);
    }
    return sum;
}

void synthesizeBlock(const FilterBankTables& tables, const std::array<std::int16_t, kBandCount>& v,
                     std::array<std::int16_t, kSynthesisBufferLength>& p,
                     std::array<std::int16_t, kSynthesisBufferLength>& q, std::int16_t* out) {
    std::array<std::int16_t, 32> u;
    for (int j = 0; j < 32; ++j) {
        std::int64_t sum = 0;
        for (int k = 0; k < kBandCount; ++k) {
            sum += mulShort(v[k], tables.synthesisMatrix[j][k]);
        }
        u[j] = saturate16(sum >> 15);
    }
    for (int j = 0; j < 16; ++j) {
        p[16 * j] = u[16 + j];
        q[16 * j + 1] = u[16 - j];
    }
    q[256] = u[0];

    const auto& w = tables.synthesisWindow;
    for (int j = 0; j < 16; ++j) {
        out[j] = outputSample(windowRow(w[j], &p[16 * j], 16));
    }
    out[16] = outputSample(windowRow(w[16], &p[256], 8));
    for (int j = 17; j < 32; ++j) {
        out[j] = outputSample(windowRow(w[j], &p[16 * (32 - j)], 16));
    }

    std::copy_backward(p.begin() + 256, p.begin() + 263, p.begin() + 264);
    for (int r = 0; r < 16; ++r) {
        std::copy_backward(p.begin() + 16 * r, p.begin() + 16 * r + 14, p.begin() + 16 * r + 16);
    }
}

}  // namespace

void synthesizeFrame(FinchCodec& codec, const SubbandValues& values, std::span<std::int16_t, kSamplesPerFrame> out) {
    const FilterBankTables& tables = filterBankTables();
    for (int t = 0; t < kBlocksPerFrame; ++t) {
        const bool even = t % 2 == 0;
        auto& p = even ? codec.synthesisA : codec.synthesisB;
        auto& q = even ? codec.synthesisB : codec.synthesisA;
        synthesizeBlock(tables, values[t], p, q, out.data() + 32 * t);
    }
}

}  // namespace finch
