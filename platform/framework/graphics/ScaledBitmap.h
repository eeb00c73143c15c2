#pragma once
// Resampling a bitmap for a finer display: pictures of a layout made at 96 dpi grow with the layout.
#include <optional>

#include "platform/gdi/Types.h"

namespace framework {

class TBitmap;

// Resamples a bitmap of `cells` equally wide pictures side by side, each to multiplier / divisor of its size, so
// that no picture bleeds into its neighbour. Pixels of the key colour stay transparent and keep sharp edges.
void ScaleBitmapCells(TBitmap& bitmap, int cells, int multiplier, int divisor,
                      std::optional<win::COLORREF> key = std::nullopt);

}  // namespace framework
