#pragma once
// A radio button; checking one unchecks the other radio buttons of the same parent. Becoming checked, by the user
// or by code, raises OnClick.
#include "platform/framework/controls/ButtonControl.h"

namespace framework {

class TRadioButton : public TButtonControl {
  public:
    explicit TRadioButton(TComponent* owner);

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

  protected:
    void WndProc(TMessage& message) override;
    void ClickedByMouse() override;
    void Paint() override;

  private:
    bool checked_ = false;
    TAlignment alignment_ = taRightJustify;
};

}  // namespace framework
