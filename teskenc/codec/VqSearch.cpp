#include "VqSearch.h"

#include <algorithm>
#include <cstdlib>

#include "BasicOps.h"

// Every term L_mult(d, d) is non-negative, so the saturated sum of a row equals its exact sum clipped once to
// MAX_32; both searches below give the operator sequence's result bit for bit.
namespace {

// With targets this small and shape values within their limit, |d| < 8192: no step saturates and eight terms
// 2 * d * d stay below 2^31, so plain 32-bit sums (which the compiler vectorises) are exact.
constexpr int kSmallTarget = 8191 - kShapeValueLimit;

template <int Dim>
int searchSmall(const int16_t* target, const int16_t* codebook, int rows) {
  int best = 0;
  int32_t bestError = 0;
  for (int row = 0; row < rows; ++row) {
    const int16_t* entry = codebook + row * Dim;
    int32_t error = 0;
    for (int k = 0; k < Dim; ++k) {
      const int32_t d = int32_t{target[k]} - entry[k];
      error += 2 * d * d;
    }
    if (row == 0 || error < bestError) {
      best = row;
      bestError = error;
    }
  }
  return best;
}

}  // namespace

int vqSearch(const int16_t* target, int dim, const int16_t* codebook, int rows) {
  int best = 0;
  int64_t bestError = INT64_MAX;
  for (int row = 0; row < rows; ++row) {
    const int16_t* entry = codebook + row * dim;
    int64_t error = 0;
    for (int k = 0; k < dim; ++k) {
      const int64_t d = sub(target[k], entry[k]);
      error += 2 * d * d;
    }
    error = std::min<int64_t>(error, MAX_32);
    if (error < bestError) {
      best = row;
      bestError = error;
    }
  }
  return best;
}

int vqSearchShape(const int16_t* target, int dim, const int16_t* codebook, int rows) {
  const bool small = std::all_of(target, target + dim, [](int16_t v) { return std::abs(int{v}) <= kSmallTarget; });
  if (small) {
    switch (dim) {
      case 8: return searchSmall<8>(target, codebook, rows);
      case 4: return searchSmall<4>(target, codebook, rows);
      case 2: return searchSmall<2>(target, codebook, rows);
      default: break;
    }
  }
  return vqSearch(target, dim, codebook, rows);
}
