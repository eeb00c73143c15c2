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

int TScreen::AddFormObservers(TFormObserver created, TFormObserver destroyed) {
    observers_.push_back(FormObservers{++lastObserverId_, std::move(created), std::move(destroyed)});
    return lastObserverId_;
}

void TScreen::RemoveFormObservers(int id) {
    std::erase_if(observers_, [id](const FormObservers& o) { return o.id == id; });
}

void TScreen::Tell(TFormObserver FormObservers::*which, TCustomForm* form) {
    std::vector<int> ids;
    for (const FormObservers& o : observers_) ids.push_back(o.id);
    for (int id : ids) {
        const auto it = std::find_if(observers_.begin(), observers_.end(), [id](const auto& o) { return o.id == id; });
        if (it == observers_.end() || !((*it).*which)) continue;
        // A copy: the observer may remove itself while it runs.
        const TFormObserver observer = (*it).*which;
        observer(form);
    }
}

void TScreen::AddForm(TCustomForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form) {
    if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) return;
    Tell(&FormObservers::destroyed, form);
    std::erase(forms_, form);
    if (activeForm_ == form) activeForm_ = nullptr;
}

void TScreen::FormCreated(TCustomForm* form) { Tell(&FormObservers::created, form); }

void TScreen::SetActiveForm(TCustomForm* form) {
    if (form == activeForm_) return;
    TCustomForm* previous = activeForm_;
    activeForm_ = form;
    if (previous) previous->Deactivated();
    if (form) form->Activated();
}

}  // namespace framework
