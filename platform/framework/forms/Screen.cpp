#include "platform/framework/forms/Screen.h"

#include <algorithm>

#include "platform/framework/forms/Form.h"
#include "platform/user/SystemMetrics.h"

namespace framework {

TScreen* Screen = nullptr;

TScreen::TScreen(TComponent* owner) : TComponent(owner) {
    menuFont_.SetName("Tahoma");
    menuFont_.SetHeight(-11);
    menuFont_.SetColor(clMenuText);
    if (!Screen) Screen = this;
}

TScreen::~TScreen() {
    if (Screen == this) Screen = nullptr;
}

int TScreen::PixelsPerInch() const { return menuFont_.PixelsPerInch(); }

int TScreen::Width() const { return win::GetSystemMetrics(win::SM_CXSCREEN); }

int TScreen::Height() const { return win::GetSystemMetrics(win::SM_CYSCREEN); }

void TScreen::SetFormObservers(TFormObserver created, TFormObserver destroyed) {
    created_ = std::move(created);
    destroyed_ = std::move(destroyed);
}

void TScreen::AddForm(TCustomForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form) {
    if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) return;
    if (destroyed_) destroyed_(form);
    std::erase(forms_, form);
    if (activeForm_ == form) activeForm_ = nullptr;
}

void TScreen::FormCreated(TCustomForm* form) {
    if (created_) created_(form);
}

void TScreen::SetActiveForm(TCustomForm* form) {
    if (form == activeForm_) return;
    TCustomForm* previous = activeForm_;
    activeForm_ = form;
    if (previous) previous->Deactivated();
    if (form) form->Activated();
}

}  // namespace framework
