#include "platform/framework/controls/MainMenu.h"

#include "platform/framework/controls/Form.h"
#include "platform/user/Menu.h"

namespace framework {

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

win::HMENU TMainMenu::CreateNativeMenu() { return win::CreateMenu(); }

void TMainMenu::HandleReplaced() {
    if (form_ && form_->HandleAllocated()) win::SetMenu(form_->Handle(), Handle());
}

}  // namespace framework
