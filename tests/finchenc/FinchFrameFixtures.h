#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace finch::test {

// The frame an all-zero input encodes to at a rate code, derived from the format's rules: every peak
// is 0 (index 31, scale value 2), every band shares (168 spare bits buy 14 units), bands 0-3 hold
// one bit and the rest of the units fill bands from 31 down to the cap; every sample is 0, so every
// code is the sign bit alone over level index 0. The padding (8 + 5 x 32) mod 12 is 0.
std::vector<unsigned char> silentFrame(int rateCode);

// Checks the frame at byte offset start of a Finch file against the bit budget: allocations within
// the rate's cap, bands 0-3 with at least one bit, the allocations adding up to the units the shared
// scale factors allow, and exactly (8 + 5 x shared) mod 12 zero bits of padding up to the frame's end.
::testing::AssertionResult frameKeepsBudget(const std::vector<unsigned char>& file, std::size_t start, int rateCode);

}  // namespace finch::test
