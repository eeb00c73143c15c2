#pragma once
// A vertical scroll bar in the classic look: arrow buttons, the track on each side of the thumb, and the thumb;
// the part held down is drawn pressed, and the arrows are greyed at the ends of the range or when disabled.
#include "platform/framework/controls/VerticalScrollBar.h"

namespace framework {

void PaintVerticalScrollBar(win::HDC dc, const VerticalScrollBar& bar, VerticalScrollBar::Part pressed, bool enabled);

}  // namespace framework
