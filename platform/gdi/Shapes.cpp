#include "platform/gdi/Shapes.h"

#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/detail/DeviceContext.h"
#include "platform/gdi/detail/Raster.h"

namespace gdi {

void FillSolid(win::HDC dc, const win::RECT& r, win::COLORREF colour) {
    const win::HBRUSH brush = win::CreateSolidBrush(colour);
    win::FillRect(dc, &r, brush);
    win::DeleteObject(brush);
}

void Line(win::HDC dc, int x1, int y1, int x2, int y2, win::COLORREF colour) {
    const win::HPEN pen = win::CreatePen(win::PS_SOLID, 1, colour);
    const win::HGDIOBJ old = win::SelectObject(dc, pen);
    win::MoveToEx(dc, x1, y1, nullptr);
    win::LineTo(dc, x2, y2);
    win::SelectObject(dc, old);
    win::DeleteObject(pen);
}

void Bevel(win::HDC dc, win::RECT& r, win::COLORREF topLeft, win::COLORREF bottomRight, int width) {
    for (int i = 0; i < width; ++i) {
        if (r.right - r.left < 1 || r.bottom - r.top < 1) return;
        Line(dc, r.left, r.bottom - 1, r.left, r.top, topLeft);
        Line(dc, r.left, r.top, r.right - 1, r.top, topLeft);
        Line(dc, r.right - 1, r.top, r.right - 1, r.bottom - 1, bottomRight);
        Line(dc, r.left, r.bottom - 1, r.right, r.bottom - 1, bottomRight);
        r = win::RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
}

void FillChecked(win::HDC dc, const win::RECT& r, win::COLORREF even, win::COLORREF odd) {
    const auto context = detail::FindDC(dc);
    if (!context) return;
    detail::Raster raster(*context);
    const win::POINT origin = raster.origin();
    const win::COLORREF colours[2] = {ResolveColor(even), ResolveColor(odd)};
    const Region visible = raster.visiblePart(r);
    for (const win::RECT& part : visible.rects()) {
        for (int y = part.top; y < part.bottom; ++y) {
            auto row = raster.surface().row(y);
            // Parity in logical coordinates, where the pattern is anchored.
            int parity = (part.left - origin.x + y - origin.y) & 1;
            for (int x = part.left; x < part.right; ++x, parity ^= 1) row[std::size_t(x)] = colours[parity];
        }
    }
}

void DottedFrame(win::HDC dc, const win::RECT& r, win::COLORREF colour) {
    for (int x = r.left; x < r.right; x += 2) {
        win::SetPixel(dc, x, r.top, colour);
        win::SetPixel(dc, x, r.bottom - 1, colour);
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        win::SetPixel(dc, r.left, y, colour);
        win::SetPixel(dc, r.right - 1, y, colour);
    }
}

void OutlinedEllipse(win::HDC dc, const win::RECT& r, win::COLORREF outline, std::optional<win::COLORREF> fill) {
    const win::HPEN pen = win::CreatePen(win::PS_SOLID, 1, outline);
    const win::HBRUSH brush = fill ? win::CreateSolidBrush(*fill) : nullptr;
    const win::HGDIOBJ oldPen = win::SelectObject(dc, pen);
    const win::HGDIOBJ oldBrush =
        win::SelectObject(dc, brush ? static_cast<win::HGDIOBJ>(brush) : win::GetStockObject(win::NULL_BRUSH));
    win::Ellipse(dc, r.left, r.top, r.right, r.bottom);
    win::SelectObject(dc, oldPen);
    win::SelectObject(dc, oldBrush);
    win::DeleteObject(pen);
    if (brush) win::DeleteObject(brush);
}

}  // namespace gdi
