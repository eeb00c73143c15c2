#include "platform/framework/TComponent.h"

#include <algorithm>

#include "platform/framework/Exception.h"

namespace framework {

TComponent::TComponent(TComponent* owner) {
    if (!owner) return;
    if (owner->state_ & csLoading) state_ |= csLoading;
    owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    while (!freeNotifies_.empty()) {
        TComponent* client = freeNotifies_.back();
        freeNotifies_.pop_back();
        client->ForgetFreeNotification(this);
        client->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        throw Exception("Component index out of bounds (" + std::to_string(index) + ")");
    return components_[static_cast<std::size_t>(index)];
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component || component->owner_ == this) return;
    if (component->owner_) component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (!component || component->owner_ != this) return;
    Notification(component, TOperation::opRemove);
    std::erase(components_, component);
    component->owner_ = nullptr;
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
        component->freeNotifies_.end())
        component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component) return;
    ForgetFreeNotification(component);
    component->ForgetFreeNotification(this);
}

void TComponent::ForgetFreeNotification(TComponent* component) { std::erase(freeNotifies_, component); }

void TComponent::EndLoading() {
    // Re-checked each step: Loaded may create or free components.
    for (std::size_t i = 0; i < components_.size(); ++i)
        if (components_[i]->state_ & csLoading) components_[i]->EndLoading();
    Loaded();
}

void TComponent::Loaded() { state_ &= ~csLoading; }

void TComponent::Notification(TComponent* component, TOperation operation) {
    // Backwards, and re-checked each step: a receiver may free components of this owner, itself included.
    for (std::size_t i = components_.size(); i-- > 0;)
        if (i < components_.size()) components_[i]->Notification(component, operation);
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) delete components_.back();
}

void TComponent::Destroying() {
    if (state_ & csDestroying) return;
    state_ |= csDestroying;
    for (TComponent* component : components_) component->Destroying();
}

void TComponent::SetDesigning(bool designing) {
    if (designing)
        state_ |= csDesigning;
    else
        state_ &= ~csDesigning;
    for (TComponent* component : components_) component->SetDesigning(designing);
}

}  // namespace framework
