#include "platform/framework/menus/Menu.h"

#include "platform/framework/graphics/ImageList.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/user/Menu.h"

namespace framework {

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) { items_->SetMenu(this); }

TMenu::~TMenu() {
    // Items leaving the tree no longer ask this half-destroyed menu to rebuild.
    items_->SetMenu(nullptr);
    delete items_;
    if (handle_) win::DestroyMenu(handle_);
}

win::HMENU TMenu::Handle() {
    if (!handle_) {
        handle_ = CreateNativeMenu();
        items_->AppendTo(handle_, ownerDraw_);
    }
    return handle_;
}

void TMenu::SetOwnerDraw(bool ownerDraw) {
    if (ownerDraw == ownerDraw_) return;
    ownerDraw_ = ownerDraw;
    Rebuild();
}

void TMenu::SetImages(TImageList* images) {
    images_ = images;
    if (images_) images_->FreeNotification(this);
    Rebuild();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) images_ = nullptr;
}

void TMenu::Rebuild() {
    if (!handle_) return;
    if (tracking_) {
        // The open menu keeps its native menu; the new one is built when tracking ends.
        stale_ = true;
        return;
    }
    stale_ = false;
    const win::HMENU old = handle_;
    handle_ = nullptr;
    Handle();
    HandleReplaced();
    win::DestroyMenu(old);
}

namespace {

bool FindShortCut(TMenuItem* item, TShortCut shortCut) {
    for (int i = 0; i < item->Count(); ++i) {
        TMenuItem* child = item->Items(i);
        if (!child->Visible()) continue;
        if (child->ShortCut() == shortCut) {
            if (child->Action()) child->Action()->Update();
            if (!child->Enabled()) return false;
            child->Click();
            return true;
        }
        if (child->Enabled() && FindShortCut(child, shortCut)) return true;
    }
    return false;
}

}  // namespace

bool TMenu::IsShortCut(TShortCut shortCut) { return shortCut != 0 && FindShortCut(items_, shortCut); }

}  // namespace framework
