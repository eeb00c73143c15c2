#pragma once
// Where the box and the caption of a check box or radio button go, and how the caption is drawn.
#include <string>

#include "platform/gdi/Types.h"

namespace framework {

class TControl;
class TCanvas;

struct CheckBoxLayout {
    win::RECT box;
    win::RECT text;
};

// The box (sized for the display resolution) at the left, or at the right when the caption goes left of it (mirrored
// for right-to-left controls).
CheckBoxLayout LayOutCheckBox(const TControl& control, bool captionRight);
// Caption, embossed when disabled, with a focus rectangle around it when focused.
void DrawCheckBoxCaption(TCanvas& canvas, const TControl& control, const win::RECT& text, bool focused);

}  // namespace framework
