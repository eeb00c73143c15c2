#include "VqSearch.h"

#include "BasicOps.h"

int vqSearch(const int16_t* target, int dim, const int16_t* codebook, int rows) {
  int best = 0;
  Word32 bestError = 0;
  for (int row = 0; row < rows; ++row) {
    const int16_t* entry = codebook + row * dim;
    Word32 error = 0;
    for (int k = 0; k < dim; ++k) {
      const Word16 d = sub(target[k], entry[k]);
      error = L_mac(error, d, d);
    }
    if (row == 0 || error < bestError) {
      best = row;
      bestError = error;
    }
  }
  return best;
}
