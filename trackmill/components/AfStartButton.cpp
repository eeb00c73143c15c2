#include "trackmill/components/AfStartButton.h"

#include "platform/framework/controls/Image.h"
#include "platform/framework/menus/PopupMenu.h"

using namespace framework;

namespace components {

TAfStartButton::~TAfStartButton() {
    // A picture taken away from the button before it goes must not call back into it.
    if (image_) {
        image_->OnClick = {};
        image_->OnMouseDown = {};
        image_->OnMouseUp = {};
    }
}

void TAfStartButton::Setm_PopupMenu(TPopupMenu* menu) {
    if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = menu;
    if (popupMenu_) popupMenu_->FreeNotification(this);
}

void TAfStartButton::Setm_Image(TImage* image) {
    if (image_) image_->RemoveFreeNotification(this);
    image_ = image;
    if (!image_) return;
    image_->FreeNotification(this);
    image_->SetParent(this);
    image_->SetAutoSize(true);
    image_->SetTransparent(true);
    const int top = image_->Height() > Height() ? 0 : (Height() - image_->Height()) / 2;
    image_->SetBounds(0, top, image_->Width(), image_->Height());
    image_->OnClick = TNotifyEvent::Bind<&TAfStartButton::ImageClick>(this);
    image_->OnMouseDown = TMouseEvent::Bind<&TAfStartButton::ImageMouseDown>(this);
    image_->OnMouseUp = TMouseEvent::Bind<&TAfStartButton::ImageMouseUp>(this);
}

void TAfStartButton::Notification(TComponent* component, TOperation operation) {
    TPanel::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == popupMenu_) popupMenu_ = nullptr;
    if (component == image_) image_ = nullptr;
}

void TAfStartButton::Click() {
    TPanel::Click();
    if (popupMenu_) PopupMenuAtButton();
}

void TAfStartButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TPanel::MouseDown(button, shift, x, y);
    if (lowered_) return;
    lowered_ = true;
    SetBevelOuter(bvLowered);
    if (image_) image_->SetBounds(image_->Left() + 1, image_->Top() + 1, image_->Width(), image_->Height());
}

void TAfStartButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TPanel::MouseUp(button, shift, x, y);
    if (!lowered_) return;
    lowered_ = false;
    SetBevelOuter(bvRaised);
    if (image_) image_->SetBounds(image_->Left() - 1, image_->Top() - 1, image_->Width(), image_->Height());
}

void TAfStartButton::PopupMenuAtButton() {
    // Measured as it will be painted, so that its bottom edge meets the button's top edge on every opening,
    // whether the menu was shown before or was built anew since.
    const int height = popupMenu_->MenuSize().cy;
    const win::POINT origin = ClientToScreen(win::POINT{0, 0});
    if (height < origin.y) {
        popupMenu_->Popup(origin.x, origin.y - height);
    } else {
        popupMenu_->Popup(origin.x, origin.y + Height());
    }
}

void TAfStartButton::ImageClick(TObject*) { Click(); }

void TAfStartButton::ImageMouseDown(TObject*, TMouseButton button, TShiftState shift, int x, int y) {
    MouseDown(button, shift, x + image_->Left(), y + image_->Top());
}

void TAfStartButton::ImageMouseUp(TObject*, TMouseButton button, TShiftState shift, int x, int y) {
    MouseUp(button, shift, x + image_->Left(), y + image_->Top());
}

}  // namespace components
