#pragma once
// A push button. Clicking it sets its form's ModalResult to the button's own, when that is not mrNone. Enter runs
// the focused button, or the default button when no button has the focus; Escape runs the cancel button.
#include "platform/framework/controls/ButtonControl.h"

namespace framework {

class TButton : public TButtonControl {
  public:
    explicit TButton(TComponent* owner);

    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }

    void Click() override;

  protected:
    void WndProc(TMessage& message) override;
    void Paint() override;

  private:
    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
};

}  // namespace framework
