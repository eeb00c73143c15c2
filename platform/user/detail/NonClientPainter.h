#pragma once
// The non-client area of a window in the classic 3-D look: its frame, caption, menu bar and client edge.
#include "platform/gdi/Palette.h"
#include "platform/user/Types.h"

namespace user::detail {

using namespace win;

// Paints on the window's window DC.
void PaintNonClientArea(HWND hwnd, HDC windowDC, const gdi::Palette& palette = gdi::Palette::System());

}  // namespace user::detail
