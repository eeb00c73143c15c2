#pragma once
// Resampling a surface to another size, as pictures are when a window is laid out for a finer display.
#include <optional>

#include "platform/gdi/Surface.h"

namespace gdi {

// Part of source resampled to width x height: each new pixel averages the source area under it. With a key colour,
// key pixels are left out of the averages and a new pixel mostly over key pixels is the key colour, so the edges
// of a transparent or masked picture stay sharp and take on no tint of the key.
Surface ScaledSurface(const Surface& source, const win::RECT& part, int width, int height,
                      std::optional<win::COLORREF> key = std::nullopt);

}  // namespace gdi
