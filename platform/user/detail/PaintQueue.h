#pragma once
// Paint generation: which window of a thread needs painting next, and delivering its paint.
#include "platform/user/Types.h"

namespace user::detail {

using namespace win;

class MessageQueue;

// Marks the frame and the whole client area for repainting, with erase.
void InvalidateWhole(HWND hwnd);
// The first visible window of the queue's thread with a pending paint (parents before children), or null.
HWND NextWindowToPaint(const MessageQueue& queue, HWND filter);
// WM_NCPAINT when the frame is pending, WM_ERASEBKGND when erasing is, then WM_PAINT; an update the procedure never
// validates is dropped, so an unhandled WM_PAINT cannot repeat forever.
void DeliverPaint(HWND hwnd);

}  // namespace user::detail
