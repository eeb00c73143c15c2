#pragma once
// The classic 3-D look's pixels: window frames and captions, and the small pieces menus are drawn from.
#include "platform/user/Types.h"

namespace user::detail {

using namespace win;

void FillSolid(HDC dc, const RECT& r, COLORREF colour);
// From (x1, y1) up to, not including, (x2, y2).
void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour);
// One ring of a bevel: topLeft along the top and left edges, bottomRight along the bottom and right ones.
void DrawBevel(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight);
// Text on one line, vertically centred, in the menu font; "&" marks the underlined letter.
void DrawMenuText(HDC dc, const char* text, const RECT& r, COLORREF colour, UINT align);

// The frame, caption and menu bar of a window, on its window DC.
void PaintWindowFrame(HWND hwnd, HDC windowDC);

}  // namespace user::detail
