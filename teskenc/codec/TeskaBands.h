#pragma once

#include <cstdint>

namespace tesk {

// How a band of a given bit budget is split and which codebook codes each part.
struct TeskaBandShape {
    int partValues;  // values per part; the 8 band values make 8 / partValues parts
    int indexBits;
    const int16_t* codebook;
    int rows;
};

// Bits of each band's gain index at a rate id 0..2: the frame's bits left over by the allocation row, over 16.
int teskaGainBits(int rateId);
// Gain level table that matches the gain bits.
const int16_t* teskaGainLevels(int gainBits);
// Bits of each of the 16 bands from their quantised gains (levels, never negative): larger gains rank first,
// lower bands on ties.
void teskaAllocateBits(const int16_t* gains, int rateId, int* bandBits);
TeskaBandShape teskaBandShape(int bandBits);

}  // namespace tesk
