#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Values of -1 to 1 as the 16-bit samples the sound-file library writes, at the copy's width: rounded to the
// nearest step of 8 or 16 bits and kept in range. Without dither, so the same source gives the same copy.
void quantize(const std::vector<float>& values, int bits, std::vector<std::int16_t>& samples);
