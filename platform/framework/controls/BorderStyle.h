#pragma once
// The frame a border style gives a windowed control (edits, list views): sunken, two pixels, with the 3-D look; one
// black line without it; none for bsNone.
#include "platform/framework/ControlTypes.h"
#include "platform/framework/controls/WinControl.h"

namespace framework {

void AddBorderStyle(TCreateParams& params, TBorderStyle style, bool ctl3D);

}  // namespace framework
