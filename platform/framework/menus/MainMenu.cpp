#include "platform/framework/menus/MainMenu.h"

#include "platform/user/Menu.h"

namespace framework {

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

win::HMENU TMainMenu::CreateNativeMenu() { return win::CreateMenu(); }

void TMainMenu::HandleReplaced() {
    if (replaced_) replaced_(this);
}

}  // namespace framework
