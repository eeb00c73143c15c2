#include "trackmill/components/RestyledForms.h"

#include <algorithm>
#include <utility>

namespace components {

using framework::TCustomForm;

TRestyledForms::TRestyledForms(framework::TFormObserver created) : screen_(framework::Screen) {
    if (screen_)
        observers_ = screen_->AddFormObservers(std::move(created), [this](TCustomForm* form) { Forget(form); });
}

TRestyledForms::~TRestyledForms() {
    // A screen that went first took its observers with it; a later one never had ours.
    if (screen_ && screen_ == framework::Screen) screen_->RemoveFormObservers(observers_);
}

bool TRestyledForms::IsPending(const TCustomForm* form) const {
    return std::ranges::find(pending_, form) != pending_.end();
}

bool TRestyledForms::IsStyled(const TCustomForm* form) const {
    return std::ranges::find(styled_, form) != styled_.end();
}

std::vector<TCustomForm*> TRestyledForms::TakePending() { return std::exchange(pending_, {}); }

void TRestyledForms::Forget(TCustomForm* form) {
    std::erase(pending_, form);
    std::erase(styled_, form);
}

}  // namespace components
