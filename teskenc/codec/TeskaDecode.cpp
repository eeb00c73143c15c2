#include <algorithm>
#include <array>

#include "BasicOps.h"
#include "BitReader.h"
#include "CodecError.h"
#include "Teska.h"
#include "TeskaBands.h"
#include "TeskaTables.h"

void teskaDecodeFrame(int16_t* coefficients, const uint16_t* words, int32_t rateId) {
  if (rateId < 0 || rateId >= kTeskaRates) throw CodecError(kTeskaRateMessage);
  BitReader reader({words, static_cast<size_t>(teskaFrameBits[rateId] / 16)});
  const int gainBits = teskaGainBits(rateId);
  const int16_t* levels = teskaGainLevels(gainBits);
  std::array<int16_t, kTeskaBands> gains{};
  for (int band = 0; band < kTeskaBands; ++band) {
    gains[band] = levels[reader.unpackBits16(gainBits)];
  }

  std::array<int, kTeskaBands> bandBits{};
  teskaAllocateBits(gains.data(), rateId, bandBits.data());
  for (int band = 0; band < kTeskaBands; ++band) {
    const TeskaBandShape shape = teskaBandShape(bandBits[band]);
    int16_t* values = coefficients + band * kTeskaBandValues;
    for (int first = 0; first < kTeskaBandValues; first += shape.partValues) {
      const int16_t* row = shape.codebook + reader.unpackBits16(shape.indexBits) * shape.partValues;
      std::copy(row, row + shape.partValues, values + first);
    }
    for (int k = 0; k < kTeskaBandValues; ++k) {
      values[k] = round(L_shl(L_mult(values[k], gains[band]), 3));
    }
  }
}
