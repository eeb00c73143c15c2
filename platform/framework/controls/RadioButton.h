#pragma once
// A radio button; checking one unchecks the other radio buttons of the same parent, its group. Becoming checked,
// by the user or by code, raises OnClick. Tab stops at the group's checked button only (at its first one while
// none is checked); the arrow keys move through the group and check the button they reach.
#include <vector>

#include "platform/framework/controls/ButtonControl.h"

namespace framework {

class TRadioButton : public TButtonControl {
  public:
    explicit TRadioButton(TComponent* owner);

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool IsTabStop() const override;

  protected:
    void WndProc(TMessage& message) override;
    void ClickedByMouse() override;
    void KeyDown(int& key, TShiftState shift) override;
    void Paint() override;

  private:
    // The radio buttons of this one's group that the keyboard can reach, in their parent's order.
    std::vector<TRadioButton*> Group() const;

    bool checked_ = false;
    TAlignment alignment_ = taRightJustify;
};

}  // namespace framework
