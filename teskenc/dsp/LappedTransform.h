#pragma once

#include <cstdint>

namespace tesk {

// Lapped transform of 256 samples with a hop of 128, in bit-exact fixed point.

inline constexpr int kTransformHop = 128;
inline constexpr int kTransformWindow = 256;

// Clears an inverse-transform history of 128 values. The tables need no set-up call: they are built once per
// process when first used.
void transformInit(int16_t* history);

// x: 256 samples, the previous hop first; X: 128 coefficients out.
void forwardTransform(const int16_t* x, int16_t* X);

// X: 128 coefficients at twice the scale of forwardTransform's output; y: 128 samples out (y may be X);
// history: 128 values, in and out, that carry the overlap from one call to the next.
void inverseTransform(const int16_t* X, int16_t* y, int16_t* history);

}  // namespace tesk
