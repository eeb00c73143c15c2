#include "platform/framework/menus/Action.h"

#include <algorithm>

#include "platform/framework/menus/ActionList.h"

namespace framework {

TAction::TAction(TComponent* owner) : TComponent(owner) {}

TAction::~TAction() {
    SetActionList(nullptr);
    const auto clients = std::move(clients_);
    for (TActionClient* client : clients) client->ActionDestroyed();
}

void TAction::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Changed(TActionChange::Caption);
}

void TAction::SetShortCut(TShortCut shortCut) {
    if (shortCut == shortCut_) return;
    shortCut_ = shortCut;
    Changed(TActionChange::ShortCut);
}

void TAction::SetHint(const std::string& hint) {
    if (hint == hint_) return;
    hint_ = hint;
    Changed(TActionChange::Hint);
}

void TAction::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Changed(TActionChange::Enabled);
}

void TAction::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    Changed(TActionChange::Checked);
}

void TAction::SetImageIndex(int index) {
    if (index == imageIndex_) return;
    imageIndex_ = index;
    Changed(TActionChange::ImageIndex);
}

void TAction::SetActionList(TActionList* list) {
    if (list == actionList_) return;
    if (actionList_) actionList_->Remove(this);
    actionList_ = list;
    if (actionList_) actionList_->Add(this);
}

void TActionClient::SetAction(TAction* action) {
    if (action == action_) return;
    if (action_) action_->UnregisterClient(this);
    action_ = action;
    if (action_) {
        action_->RegisterClient(this);
        ActionChanged(TActionChange::All);
    }
}

bool TAction::Execute() {
    if (!enabled_ || !OnExecute) return false;
    OnExecute(this);
    return true;
}

bool TAction::Update() {
    if (!OnUpdate) return false;
    OnUpdate(this);
    return true;
}

void TAction::RegisterClient(TActionClient* client) {
    if (std::find(clients_.begin(), clients_.end(), client) == clients_.end()) clients_.push_back(client);
}

void TAction::UnregisterClient(TActionClient* client) { std::erase(clients_, client); }

void TAction::Changed(TActionChange change) {
    // A client may unlink itself while it mirrors the change.
    const auto clients = clients_;
    for (TActionClient* client : clients)
        if (std::find(clients_.begin(), clients_.end(), client) != clients_.end()) client->ActionChanged(change);
}

}  // namespace framework
