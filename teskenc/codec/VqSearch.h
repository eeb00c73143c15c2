#pragma once

#include <cstdint>

// Index of the codebook row (dim values each) nearest to target in saturated squared error; the first on ties.
int vqSearch(const int16_t* target, int dim, const int16_t* codebook, int rows);
