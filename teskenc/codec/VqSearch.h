#pragma once

#include <cstdint>

// Index of the codebook row (dim values each) nearest to target in saturated squared error: the sum of
// L_mult(d, d) with d = sub(target, entry), through the saturating operators. The first row wins ties.
int vqSearch(const int16_t* target, int dim, const int16_t* codebook, int rows);

// The same result for shape codebooks, whose values all lie within +-kShapeValueLimit; faster when the
// target is small too.
inline constexpr int kShapeValueLimit = 2800;
int vqSearchShape(const int16_t* target, int dim, const int16_t* codebook, int rows);
