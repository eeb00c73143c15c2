#include <array>

#include "BitPacker.h"
#include "CodecError.h"
#include "Teska.h"
#include "TeskaBands.h"
#include "TeskaNormalise.h"
#include "TeskaTables.h"
#include "VqSearch.h"

void teskaEncodeFrame(const int16_t* coefficients, uint16_t* words, int32_t rateId) {
  if (rateId < 0 || rateId >= kTeskaRates) throw CodecError(kTeskaRateMessage);
  std::array<int16_t, kTeskaBands * kTeskaBandValues> normalised{};
  std::array<int16_t, kTeskaBands> gains{};
  teskaNormaliseBands(coefficients, normalised.data(), gains.data());

  BitPacker packer({words, static_cast<size_t>(teskaFrameBits[rateId] / 16)});
  const int gainBits = teskaGainBits(rateId);
  const int16_t* levels = teskaGainLevels(gainBits);
  for (int band = 0; band < kTeskaBands; ++band) {
    const int index = vqSearch(&gains[band], 1, levels, 1 << gainBits);
    packer.packBits16(static_cast<uint32_t>(index), gainBits);
    gains[band] = levels[index];
  }

  std::array<int, kTeskaBands> bandBits{};
  teskaAllocateBits(gains.data(), rateId, bandBits.data());
  for (int band = 0; band < kTeskaBands; ++band) {
    const TeskaBandShape shape = teskaBandShape(bandBits[band]);
    for (int first = 0; first < kTeskaBandValues; first += shape.partValues) {
      const int index = vqSearchShape(&normalised[band * kTeskaBandValues + first], shape.partValues, shape.codebook,
                                 shape.rows);
      packer.packBits16(static_cast<uint32_t>(index), shape.indexBits);
    }
  }
}
