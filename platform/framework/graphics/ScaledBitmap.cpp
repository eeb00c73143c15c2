#include "platform/framework/graphics/ScaledBitmap.h"

#include "platform/framework/MulDiv.h"
#include "platform/framework/graphics/Bitmap.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/SurfaceScaling.h"

namespace framework {

void ScaleBitmapCells(TBitmap& bitmap, int cells, int multiplier, int divisor, std::optional<win::COLORREF> key) {
    if (bitmap.Empty() || cells < 1 || multiplier == divisor) return;
    const int cellWidth = bitmap.Width() / cells;
    const int scaledCellWidth = MulDiv(cellWidth, multiplier, divisor);
    const int scaledHeight = MulDiv(bitmap.Height(), multiplier, divisor);
    const auto source = gdi::BitmapSurface(bitmap.Handle());
    gdi::Surface scaled(scaledCellWidth * cells, scaledHeight, key.value_or(0));
    for (int cell = 0; cell < cells; ++cell) {
        const win::RECT part{cell * cellWidth, 0, (cell + 1) * cellWidth, bitmap.Height()};
        const gdi::Surface picture = gdi::ScaledSurface(*source, part, scaledCellWidth, scaledHeight, key);
        for (int y = 0; y < scaledHeight; ++y)
            for (int x = 0; x < scaledCellWidth; ++x)
                scaled.setPixel(cell * scaledCellWidth + x, y, picture.pixel(x, y));
    }
    bitmap.AssignSurface(scaled);
}

}  // namespace framework
