#include "platform/gdi/Drawing.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/gdi/Surface.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/detail/DeviceContext.h"
#include "platform/gdi/detail/HandleTable.h"
#include "platform/gdi/detail/Raster.h"

namespace win {
namespace {

using gdi::detail::DeviceContext;
using gdi::detail::FindDC;
using gdi::detail::Raster;

bool HasPen(const DeviceContext& dc) { return dc.pen.object && dc.pen.object->style != PS_NULL; }
bool HasBrush(const DeviceContext& dc) { return dc.brush.object && !dc.brush.object->hollow; }
COLORREF PenColour(const DeviceContext& dc) { return gdi::ResolveColor(dc.pen.object->colour); }
COLORREF BrushColour(const DeviceContext& dc) { return gdi::ResolveColor(dc.brush.object->colour); }

// What a Raster would allow at one surface point, without building one: glyph routines set and read pixels one
// at a time.
bool PixelVisible(const DeviceContext& dc, POINT at) {
    return dc.surface->contains(at.x, at.y) && (!dc.clip || dc.clip->contains(at.x, at.y)) &&
           (!dc.selectedClip || dc.selectedClip->contains(at.x, at.y));
}

RECT Normalised(int left, int top, int right, int bottom) {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

void Frame(Raster& raster, const RECT& r, COLORREF colour) {
    if (r.right <= r.left || r.bottom <= r.top) {
        return;
    }
    raster.fill({r.left, r.top, r.right, r.top + 1}, colour);
    raster.fill({r.left, r.bottom - 1, r.right, r.bottom}, colour);
    raster.fill({r.left, r.top, r.left + 1, r.bottom}, colour);
    raster.fill({r.right - 1, r.top, r.right, r.bottom}, colour);
}

// A square pen tip centred on the point.
void Stamp(Raster& raster, int x, int y, int width, COLORREF colour) {
    if (width <= 1) {
        raster.plot(x, y, colour);
        return;
    }
    const int x0 = x - (width - 1) / 2;
    const int y0 = y - (width - 1) / 2;
    raster.fill({x0, y0, x0 + width, y0 + width}, colour);
}

// Pixel centres inside a rectangle whose corners are quarter ellipses of the given size (0: square corners).
class RoundedShape {
  public:
    RoundedShape(const RECT& box, int cornerWidth, int cornerHeight)
        : box_(box),
          rx_(std::min(cornerWidth, int(box.right - box.left)) / 2.0),
          ry_(std::min(cornerHeight, int(box.bottom - box.top)) / 2.0) {}

    bool inside(int x, int y) const {
        if (x < box_.left || x >= box_.right || y < box_.top || y >= box_.bottom) {
            return false;
        }
        if (rx_ <= 0 || ry_ <= 0) {
            return true;
        }
        const double px = x + 0.5;
        const double py = y + 0.5;
        const double cx = std::clamp(px, box_.left + rx_, box_.right - rx_);
        const double cy = std::clamp(py, box_.top + ry_, box_.bottom - ry_);
        const double dx = (px - cx) / rx_;
        const double dy = (py - cy) / ry_;
        return dx * dx + dy * dy <= 1.0;
    }

    bool onEdge(int x, int y) const {
        return inside(x, y) && !(inside(x - 1, y) && inside(x + 1, y) && inside(x, y - 1) && inside(x, y + 1));
    }

  private:
    RECT box_;
    double rx_;
    double ry_;
};

// The shape's pixels on one row: [left, right), empty when left >= right. Rows of a rounded rectangle are
// intervals, so each end is found by walking in from the box's edge through the corner only.
struct Span {
    int left = 0;
    int right = 0;
};

Span RowSpan(const RoundedShape& shape, const RECT& box, int y) {
    if (y < box.top || y >= box.bottom) return {};
    Span span{box.left, box.right};
    while (span.left < span.right && !shape.inside(span.left, y)) ++span.left;
    while (span.right > span.left && !shape.inside(span.right - 1, y)) --span.right;
    return span;
}

BOOL PaintRounded(HDC dc, const RECT& box, int cornerWidth, int cornerHeight) {
    const auto context = FindDC(dc);
    if (!context) {
        return FALSE;
    }
    Raster raster(*context);
    const RoundedShape shape(box, std::max(cornerWidth, 0), std::max(cornerHeight, 0));
    const bool pen = HasPen(*context);
    const bool brush = HasBrush(*context);
    Span above = RowSpan(shape, box, box.top - 1);
    Span row = RowSpan(shape, box, box.top);
    for (int y = box.top; y < box.bottom; ++y) {
        const Span below = RowSpan(shape, box, y + 1);
        // A pixel is on the edge unless its four neighbours are all inside: the inner part of the row is what
        // lies strictly within its own ends and within the rows above and below.
        const int innerLeft = std::max({row.left + 1, above.left, below.left});
        const int innerRight = std::min({row.right - 1, above.right, below.right});
        const bool hasInner = innerLeft < innerRight;
        if (!pen) {
            if (brush && row.left < row.right) raster.fill({row.left, y, row.right, y + 1}, BrushColour(*context));
        } else {
            for (int x = row.left; x < row.right; ++x) {
                if (hasInner && x == innerLeft) {
                    if (brush) raster.fill({innerLeft, y, innerRight, y + 1}, BrushColour(*context));
                    x = innerRight - 1;
                    continue;
                }
                raster.plot(x, y, PenColour(*context));
            }
        }
        above = row;
        row = below;
    }
    return TRUE;
}

}  // namespace

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous) {
    const auto context = FindDC(dc);
    if (!context) {
        return FALSE;
    }
    if (previous) {
        *previous = context->position;
    }
    context->position = {x, y};
    return TRUE;
}

BOOL LineTo(HDC dc, int x, int y) {
    const auto context = FindDC(dc);
    if (!context) {
        return FALSE;
    }
    const POINT from = std::exchange(context->position, POINT{x, y});
    if (!HasPen(*context)) {
        return TRUE;
    }
    Raster raster(*context);
    const COLORREF colour = PenColour(*context);
    const int width = context->pen.object->width;
    // Bresenham, stopping before the end point.
    const int dx = std::abs(x - from.x);
    const int dy = -std::abs(y - from.y);
    const int sx = from.x < x ? 1 : -1;
    const int sy = from.y < y ? 1 : -1;
    int error = dx + dy;
    int px = from.x;
    int py = from.y;
    while (px != x || py != y) {
        Stamp(raster, px, py, width, colour);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            px += sx;
        }
        if (twice <= dx) {
            error += dx;
            py += sy;
        }
    }
    return TRUE;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
    const auto context = FindDC(dc);
    if (!context) {
        return FALSE;
    }
    const RECT box = Normalised(left, top, right, bottom);
    Raster raster(*context);
    if (!HasPen(*context)) {
        // Without a pen the platform fills one pixel less to the right and at the bottom.
        if (HasBrush(*context)) {
            raster.fill({box.left, box.top, box.right - 1, box.bottom - 1}, BrushColour(*context));
        }
        return TRUE;
    }
    const int width = context->pen.object->width;
    if (HasBrush(*context)) {
        raster.fill({box.left + width, box.top + width, box.right - width, box.bottom - width}, BrushColour(*context));
    }
    for (int inset = 0; inset < width; ++inset) {
        Frame(raster, {box.left + inset, box.top + inset, box.right - inset, box.bottom - inset}, PenColour(*context));
    }
    return TRUE;
}

BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    return PaintRounded(dc, Normalised(left, top, right, bottom), cornerWidth, cornerHeight);
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
    const RECT box = Normalised(left, top, right, bottom);
    return PaintRounded(dc, box, box.right - box.left, box.bottom - box.top);
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    const auto context = FindDC(dc);
    const auto fill = gdi::detail::Find<const gdi::detail::Brush>(brush, gdi::detail::ObjectKind::Brush);
    if (!context || !fill || !rect) {
        return FALSE;
    }
    if (!fill->hollow) {
        Raster(*context).fill(*rect, gdi::ResolveColor(fill->colour));
    }
    return TRUE;
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
    const auto context = FindDC(dc);
    const auto fill = gdi::detail::Find<const gdi::detail::Brush>(brush, gdi::detail::ObjectKind::Brush);
    if (!context || !fill || !rect) {
        return FALSE;
    }
    if (!fill->hollow) {
        Raster raster(*context);
        Frame(raster, *rect, gdi::ResolveColor(fill->colour));
    }
    return TRUE;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour) {
    const auto context = FindDC(dc);
    if (!context) {
        return CLR_INVALID;
    }
    const POINT at{x + context->origin.x, y + context->origin.y};
    if (!PixelVisible(*context, at)) {
        return CLR_INVALID;
    }
    const COLORREF resolved = gdi::ResolveColor(colour);
    context->surface->setPixel(at.x, at.y, resolved);
    return resolved;
}

COLORREF GetPixel(HDC dc, int x, int y) {
    const auto context = FindDC(dc);
    if (!context) {
        return CLR_INVALID;
    }
    const POINT at{x + context->origin.x, y + context->origin.y};
    return PixelVisible(*context, at) ? context->surface->pixel(at.x, at.y) : CLR_INVALID;
}

}  // namespace win
