#include "platform/framework/menus/ActionList.h"

#include <algorithm>

#include "platform/framework/graphics/ImageList.h"
#include "platform/framework/menus/Action.h"

namespace framework {

TActionList::TActionList(TComponent* owner) : TComponent(owner) {}

TActionList::~TActionList() {
    const auto actions = actions_;
    for (TAction* action : actions) action->SetActionList(nullptr);
}

void TActionList::SetImages(TImageList* images) {
    images_ = images;
    if (images_) images_->FreeNotification(this);
}

void TActionList::UpdateActions() {
    const auto actions = actions_;
    for (TAction* action : actions) action->Update();
}

bool TActionList::IsShortCut(TShortCut shortCut) {
    if (shortCut == 0) return false;
    const auto actions = actions_;
    for (TAction* action : actions) {
        if (action->ShortCut() != shortCut) continue;
        action->Update();
        return action->Execute();
    }
    return false;
}

void TActionList::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) images_ = nullptr;
}

void TActionList::Add(TAction* action) { actions_.push_back(action); }

void TActionList::Remove(TAction* action) { std::erase(actions_, action); }

}  // namespace framework
