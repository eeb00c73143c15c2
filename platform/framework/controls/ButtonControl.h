#pragma once
// The common behaviour of push buttons, check boxes and radio buttons: they take the focus when pressed, show
// a pressed look while the left button or the space key is held over them, and act when it is released there, or
// when the letter underlined in their caption is typed in their form.
#include "platform/framework/controls/WinControl.h"

namespace framework {

class TButtonControl : public TWinControl {
  public:
    explicit TButtonControl(TComponent* owner);

  protected:
    void WndProc(TMessage& message) override;
    bool FocusOnClick() const override { return true; }
    // The left button is held over the control, or the space key is held on it.
    bool Down() const { return (pressed_ && mouseInside_) || spaceDown_; }

  private:
    bool mouseInside_ = false;
    bool spaceDown_ = false;
};

}  // namespace framework
