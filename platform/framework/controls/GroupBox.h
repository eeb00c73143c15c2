#pragma once
// A container with an etched frame and a caption in its top line.
#include "platform/framework/controls/WinControl.h"

namespace framework {

class TGroupBox : public TWinControl {
  public:
    explicit TGroupBox(TComponent* owner);

  protected:
    void Paint() override;
};

}  // namespace framework
