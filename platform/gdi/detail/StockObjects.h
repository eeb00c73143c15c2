#pragma once
// The stock pens, brushes, fonts and the 1x1 bitmap of a fresh memory DC.
#include "platform/gdi/Types.h"

namespace gdi::detail {

// 0 for an unknown index.
win::HGDIOBJ StockObject(int index);
win::HBITMAP StockBitmap();

}  // namespace gdi::detail
