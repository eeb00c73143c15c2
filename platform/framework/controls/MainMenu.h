#pragma once
// A form's menu bar.
#include "platform/framework/controls/Menu.h"

namespace framework {

class TCustomForm;

class TMainMenu : public TMenu {
  public:
    explicit TMainMenu(TComponent* owner);
    bool IsBar() const override { return true; }

    // For TCustomForm::SetMenu.
    void SetForm(TCustomForm* form) { form_ = form; }
    TCustomForm* Form() const { return form_; }

  protected:
    win::HMENU CreateNativeMenu() override;
    void HandleReplaced() override;

  private:
    TCustomForm* form_ = nullptr;
};

}  // namespace framework
