#pragma once
// The shapes every look is drawn from: solid fills, one-pixel lines, bevelled rings, dotted frames and ellipses,
// each in explicit colours. They create and free their own pens and brushes and leave the DC's selection as it was.
#include <optional>

#include "platform/gdi/Types.h"

namespace gdi {

void FillSolid(win::HDC dc, const win::RECT& r, win::COLORREF colour);
// From (x1, y1) up to, not including, (x2, y2).
void Line(win::HDC dc, int x1, int y1, int x2, int y2, win::COLORREF colour);
// `width` rings of one pixel: topLeft along the top and left edges, bottomRight along the bottom and right ones.
// r shrinks by one on every side per ring; nothing is drawn once it is empty.
void Bevel(win::HDC dc, win::RECT& r, win::COLORREF topLeft, win::COLORREF bottomRight, int width = 1);
// A checkerboard of two colours, drawn row by row: the pixel at (x, y) takes `even` where x + y is even, `odd`
// elsewhere, so neighbouring fills line up.
void FillChecked(win::HDC dc, const win::RECT& r, win::COLORREF even, win::COLORREF odd);
// Every second pixel of the rectangle's outline, starting at its corners' top-left.
void DottedFrame(win::HDC dc, const win::RECT& r, win::COLORREF colour);
// An ellipse inside r with a one-pixel outline, filled when fill is given.
void OutlinedEllipse(win::HDC dc, const win::RECT& r, win::COLORREF outline, std::optional<win::COLORREF> fill);

}  // namespace gdi
