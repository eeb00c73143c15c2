#include "platform/framework/menus/PopupMenu.h"

#include "platform/framework/menus/MenuItem.h"
#include "platform/user/Menu.h"

namespace framework {

namespace {

win::HWND popupOwner = nullptr;

}  // namespace

void SetPopupMenuOwner(win::HWND owner) { popupOwner = owner; }

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

win::HMENU TPopupMenu::CreateNativeMenu() { return win::CreatePopupMenu(); }

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup) OnPopup(this);
    tracking_ = true;
    const auto command = static_cast<win::UINT>(win::TrackPopupMenu(
        Handle(), win::TPM_RETURNCMD | win::TPM_LEFTALIGN | win::TPM_RIGHTBUTTON, x, y, 0, popupOwner, nullptr));
    tracking_ = false;
    if (stale_) Rebuild();
    if (command == 0) return;
    if (TMenuItem* item = FindMenuItem(command)) item->Click();
}

win::SIZE TPopupMenu::MenuSize() { return user::PopupMenuSize(popupOwner, Handle()); }

void TPopupMenu::SetPopupComponent(TComponent* component) {
    popupComponent_ = component;
    if (component) component->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
    TMenu::Notification(component, operation);
    if (operation == TOperation::opRemove && component == popupComponent_) popupComponent_ = nullptr;
}

}  // namespace framework
