#pragma once
// A form's menu bar.
#include "platform/framework/menus/Menu.h"

namespace framework {

class TMainMenu : public TMenu {
  public:
    explicit TMainMenu(TComponent* owner);
    bool IsBar() const override { return true; }

    // For TCustomForm::SetMenu. Forms lie a layer above the menus: the form showing this menu as its bar is told
    // through handler when the native menu was replaced, and puts the new one in its window.
    void SetReplacedHandler(TNotifyEvent handler) { replaced_ = handler; }

  protected:
    win::HMENU CreateNativeMenu() override;
    void HandleReplaced() override;

  private:
    TNotifyEvent replaced_;
};

}  // namespace framework
