#pragma once

#include <cstdint>

namespace tesk {

// Index of the codebook row (dim values each) nearest to target in saturated squared error: the sum of
// L_mult(d, d) with d = sub(target, entry), through the saturating operators. The first row wins ties.
int vqSearch(const int16_t* target, int dim, const int16_t* codebook, int rows);

// vqSearch(&target, 1, levels, count) for levels in ascending order (repeats allowed), by bisection.
int vqSearchAscending(int16_t target, const int16_t* levels, int count);

}  // namespace tesk
