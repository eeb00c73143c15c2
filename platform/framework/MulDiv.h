#pragma once
// number * numerator / denominator without overflow, rounded to the nearest whole number with halves away from
// zero (-16.5 -> -17); -1 when the denominator is 0.
namespace framework {

int MulDiv(int number, int numerator, int denominator);

}  // namespace framework
