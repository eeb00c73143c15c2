#pragma once
// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2), whatever
// the thread's floating-point rounding mode. Raises Exception for NaN and values outside 64 bits.
#include <cstdint>

namespace framework {

std::int64_t Round(double value);

}  // namespace framework
