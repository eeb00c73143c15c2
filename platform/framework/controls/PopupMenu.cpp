#include "platform/framework/controls/PopupMenu.h"

#include "platform/framework/controls/Application.h"
#include "platform/framework/controls/MenuItem.h"
#include "platform/user/Menu.h"

namespace framework {

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

win::HMENU TPopupMenu::CreateNativeMenu() { return win::CreatePopupMenu(); }

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup) OnPopup(this);
    const win::HWND owner = Application ? Application->Handle() : nullptr;
    tracking_ = true;
    const auto command = static_cast<win::UINT>(win::TrackPopupMenu(
        Handle(), win::TPM_RETURNCMD | win::TPM_LEFTALIGN | win::TPM_RIGHTBUTTON, x, y, 0, owner, nullptr));
    tracking_ = false;
    if (stale_) Rebuild();
    if (command == 0) return;
    if (TMenuItem* item = FindMenuItem(command)) item->Click();
}

void TPopupMenu::SetPopupComponent(TComponent* component) {
    popupComponent_ = component;
    if (component) component->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
    TMenu::Notification(component, operation);
    if (operation == TOperation::opRemove && component == popupComponent_) popupComponent_ = nullptr;
}

}  // namespace framework
