#include "teskenc/codec/ShapeSearch.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <stdexcept>

#include "teskenc/codec/VqSearch.h"

namespace tesk {

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Why the ranking is exact: with |t| <= kTargetLimit no difference t - e saturates, and vqSearch's saturated
// sum is min(2 |t - e|^2, MAX_32). Scores |e|^2 - 2 t.e reach at most 8 * 2800^2 + 2 * 8 * 32767 * 2800 < 2^31
// for any 16-bit target, so 32-bit sums never wrap. If even the best row's error reaches MAX_32, every row
// saturates to the same error and vqSearch keeps the first one.
namespace {

constexpr int kLanes = 4;
constexpr int kTargetLimit = 32767 - ShapeSearch::kValueLimit;
constexpr int32_t kPaddedEnergy = std::numeric_limits<int32_t>::max();

#if defined(__SSE2__)

// Two values of a row as one 32-bit lane, the first in the low half, as _mm_madd_epi16 pairs them.
int32_t pairOf(const int16_t* values, int dim, int pair) {
    const int first = 2 * pair;
    const uint16_t low = static_cast<uint16_t>(values[first]);
    const uint16_t high = first + 1 < dim ? static_cast<uint16_t>(values[first + 1]) : 0;
    return static_cast<int32_t>(static_cast<uint32_t>(low) | static_cast<uint32_t>(high) << 16);
}

template <int Pairs>
void rankBlocks(const int16_t* interleaved, const int32_t* energies, int blocks, const int16_t* target, int dim,
                int32_t& bestScore, int& bestRow) {
    __m128i targetPairs[Pairs];
    for (int p = 0; p < Pairs; ++p) targetPairs[p] = _mm_set1_epi32(pairOf(target, dim, p));
    __m128i laneBest = _mm_set1_epi32(kPaddedEnergy);
    __m128i laneRow = _mm_setzero_si128();
    __m128i rows = _mm_setr_epi32(0, 1, 2, 3);
    const __m128i step = _mm_set1_epi32(kLanes);
    const auto* blockPairs = reinterpret_cast<const __m128i*>(interleaved);
    for (int block = 0; block < blocks; ++block, blockPairs += Pairs) {
        __m128i dot = _mm_madd_epi16(_mm_loadu_si128(blockPairs), targetPairs[0]);
        for (int p = 1; p < Pairs; ++p) {
            dot = _mm_add_epi32(dot, _mm_madd_epi16(_mm_loadu_si128(blockPairs + p), targetPairs[p]));
        }
        const __m128i energy = _mm_loadu_si128(reinterpret_cast<const __m128i*>(energies + kLanes * block));
        const __m128i score = _mm_sub_epi32(energy, _mm_add_epi32(dot, dot));
        // Strictly better only, so each lane keeps its earliest row on ties.
        const __m128i better = _mm_cmplt_epi32(score, laneBest);
        laneBest = _mm_or_si128(_mm_and_si128(better, score), _mm_andnot_si128(better, laneBest));
        laneRow = _mm_or_si128(_mm_and_si128(better, rows), _mm_andnot_si128(better, laneRow));
        rows = _mm_add_epi32(rows, step);
    }
    alignas(16) std::array<int32_t, kLanes> scores;
    alignas(16) std::array<int32_t, kLanes> lanesRows;
    _mm_store_si128(reinterpret_cast<__m128i*>(scores.data()), laneBest);
    _mm_store_si128(reinterpret_cast<__m128i*>(lanesRows.data()), laneRow);
    bestScore = scores[0];
    bestRow = lanesRows[0];
    for (int lane = 1; lane < kLanes; ++lane) {
        if (scores[lane] < bestScore || (scores[lane] == bestScore && lanesRows[lane] < bestRow)) {
            bestScore = scores[lane];
            bestRow = lanesRows[lane];
        }
    }
}

#endif

}  // namespace

ShapeSearch::ShapeSearch(const int16_t* codebook, int dim, int rows)
    : codebook_(codebook), dim_(dim), rows_(rows), pairs_((dim + 1) / 2), blocks_((rows + kLanes - 1) / kLanes) {
    if (dim < 1 || dim > kMaxDim || rows < 1) throw std::invalid_argument("shape codebook of unsupported size");
    if (!std::all_of(codebook, codebook + dim * rows, [](int16_t v) { return std::abs(int{v}) <= kValueLimit; })) {
        throw std::invalid_argument("shape codebook value out of range");
    }
    interleaved_.assign(static_cast<size_t>(blocks_ * pairs_ * kLanes * 2), 0);
    energies_.assign(static_cast<size_t>(blocks_ * kLanes), kPaddedEnergy);
    for (int row = 0; row < rows; ++row) {
        const int16_t* entry = codebook + row * dim;
        const int block = row / kLanes;
        const int lane = row % kLanes;
        for (int k = 0; k < dim; ++k) {
            interleaved_[static_cast<size_t>(((block * pairs_ + k / 2) * kLanes + lane) * 2 + k % 2)] = entry[k];
        }
        int32_t energy = 0;
        for (int k = 0; k < dim; ++k) energy += int32_t{entry[k]} * entry[k];
        energies_[static_cast<size_t>(row)] = energy;
    }
}

int ShapeSearch::nearest(const int16_t* target) const {
    const bool unsaturated =
        std::all_of(target, target + dim_, [](int16_t v) { return std::abs(int{v}) <= kTargetLimit; });
    return unsaturated ? rankedNearest(target) : vqSearch(target, dim_, codebook_, rows_);
}

int ShapeSearch::rankedNearest(const int16_t* target) const {
    int32_t bestScore = 0;
    int best = 0;
#if defined(__SSE2__)
    switch (pairs_) {
        case 1:
            rankBlocks<1>(interleaved_.data(), energies_.data(), blocks_, target, dim_, bestScore, best);
            break;
        case 2:
            rankBlocks<2>(interleaved_.data(), energies_.data(), blocks_, target, dim_, bestScore, best);
            break;
        case 3:
            rankBlocks<3>(interleaved_.data(), energies_.data(), blocks_, target, dim_, bestScore, best);
            break;
        default:
            rankBlocks<4>(interleaved_.data(), energies_.data(), blocks_, target, dim_, bestScore, best);
            break;
    }
#else
    for (int row = 0; row < rows_; ++row) {
        int32_t dot = 0;
        for (int k = 0; k < dim_; ++k) dot += int32_t{target[k]} * codebook_[row * dim_ + k];
        const int32_t score = energies_[static_cast<size_t>(row)] - 2 * dot;
        if (row == 0 || score < bestScore) {
            bestScore = score;
            best = row;
        }
    }
#endif
    int64_t targetEnergy = 0;
    for (int k = 0; k < dim_; ++k) targetEnergy += int32_t{target[k]} * target[k];
    const int64_t bestError = 2 * (targetEnergy + bestScore);
    return bestError < std::numeric_limits<int32_t>::max() ? best : 0;
}

}  // namespace tesk
