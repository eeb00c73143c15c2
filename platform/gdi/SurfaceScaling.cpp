#include "platform/gdi/SurfaceScaling.h"

#include <algorithm>
#include <cmath>

namespace gdi {

namespace {

struct Span {
    int first;
    int last;  // exclusive
    double start;
    double end;
};

// The source pixels under new pixel i of count, in source units starting at origin.
Span SourceSpan(int i, int count, int origin, int length) {
    const double scale = static_cast<double>(length) / count;
    const double start = origin + i * scale;
    const double end = origin + (i + 1) * scale;
    return Span{static_cast<int>(std::floor(start)), static_cast<int>(std::ceil(end)), start, end};
}

double Overlap(const Span& span, int pixel) {
    return std::min<double>(span.end, pixel + 1) - std::max<double>(span.start, pixel);
}

}  // namespace

Surface ScaledSurface(const Surface& source, const win::RECT& part, int width, int height,
                      std::optional<win::COLORREF> key) {
    Surface scaled(std::max(width, 0), std::max(height, 0), key.value_or(0));
    const int partWidth = part.right - part.left;
    const int partHeight = part.bottom - part.top;
    if (partWidth <= 0 || partHeight <= 0) return scaled;
    for (int y = 0; y < scaled.height(); ++y) {
        const Span rows = SourceSpan(y, scaled.height(), part.top, partHeight);
        for (int x = 0; x < scaled.width(); ++x) {
            const Span columns = SourceSpan(x, scaled.width(), part.left, partWidth);
            double total = 0;
            double covered = 0;
            double red = 0;
            double green = 0;
            double blue = 0;
            for (int sy = rows.first; sy < rows.last; ++sy) {
                const double rowWeight = Overlap(rows, sy);
                for (int sx = columns.first; sx < columns.last; ++sx) {
                    const double weight = rowWeight * Overlap(columns, sx);
                    if (weight <= 0) continue;
                    total += weight;
                    const win::COLORREF colour = source.pixel(sx, sy);
                    if (colour == win::CLR_INVALID || (key && colour == *key)) continue;
                    covered += weight;
                    red += weight * win::GetRValue(colour);
                    green += weight * win::GetGValue(colour);
                    blue += weight * win::GetBValue(colour);
                }
            }
            // Half over the key is still the picture's (with room for the sums' rounding).
            if (covered <= 0 || (key && covered * 2 < total * (1 - 1e-9))) continue;
            const auto channel = [covered](double sum) {
                return static_cast<win::BYTE>(std::clamp(std::lround(sum / covered), 0L, 255L));
            };
            win::COLORREF colour = win::RGB(channel(red), channel(green), channel(blue));
            // An average that happens to meet the key would turn transparent.
            if (key && colour == *key) colour ^= 0x010000;
            scaled.setPixel(x, y, colour);
        }
    }
    return scaled;
}

}  // namespace gdi
