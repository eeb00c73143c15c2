#pragma once
// Drawing primitives in logical coordinates. As on the platform, line end points and the right and bottom
// edges of rectangles are not drawn.
#include "platform/gdi/Types.h"

namespace win {

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
// Draws with the selected pen from the current position up to, not including, (x, y), which becomes current.
BOOL LineTo(HDC dc, int x, int y);
// Outline with the pen, interior with the brush.
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
// Round shapes have a 1-pixel outline whatever the pen's width.
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
// Both return FALSE (0) for a stale DC or brush.
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
// A 1-pixel border in the brush's colour.
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
// Returns the colour set, CLR_INVALID outside the surface or the clip.
COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour);
COLORREF GetPixel(HDC dc, int x, int y);

}  // namespace win
