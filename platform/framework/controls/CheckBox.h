#pragma once
// A check box. Changing its state, by the user or by code, raises OnClick.
#include "platform/framework/controls/ButtonControl.h"

namespace framework {

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TButtonControl {
  public:
    explicit TCheckBox(TComponent* owner);

    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState state);
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool allowGrayed) { allowGrayed_ = allowGrayed; }
    // taRightJustify: the caption right of the box (the usual); taLeftJustify: left of it.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

  protected:
    void WndProc(TMessage& message) override;
    void ClickedByMouse() override;
    void Paint() override;

  private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    TAlignment alignment_ = taRightJustify;
};

}  // namespace framework
