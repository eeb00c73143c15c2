#pragma once
// The base of windowed controls that can scroll their contents: forms.
#include "platform/framework/controls/WinControl.h"

namespace framework {

class TScrollingWinControl : public TWinControl {
  public:
    using TWinControl::TWinControl;
};

}  // namespace framework
