#pragma once
// The windows the style manager restyles: those waiting for the next message of the application window and those
// already restyled. A form leaves both lists the moment its destruction begins, so neither ever holds a freed form.
#include <vector>

#include "platform/framework/forms/Screen.h"

namespace components {

class TRestyledForms {
  public:
    // created is told of every form the screen builds while the lists live.
    explicit TRestyledForms(framework::TFormObserver created);
    ~TRestyledForms();
    TRestyledForms(const TRestyledForms&) = delete;
    TRestyledForms& operator=(const TRestyledForms&) = delete;

    // May hold a form twice; restyling skips what is already styled.
    void AddPending(framework::TCustomForm* form) { pending_.push_back(form); }
    bool IsPending(const framework::TCustomForm* form) const;
    bool HasPending() const { return !pending_.empty(); }
    // Empties the waiting list and hands over what it held: restyling may add to it again.
    std::vector<framework::TCustomForm*> TakePending();
    void ClearPending() { pending_.clear(); }

    void AddStyled(framework::TCustomForm* form) { styled_.push_back(form); }
    bool IsStyled(const framework::TCustomForm* form) const;
    const std::vector<framework::TCustomForm*>& Styled() const { return styled_; }
    void ClearStyled() { styled_.clear(); }

  private:
    void Forget(framework::TCustomForm* form);

    std::vector<framework::TCustomForm*> pending_;
    std::vector<framework::TCustomForm*> styled_;
    framework::TScreen* screen_ = nullptr;  // the screen whose observers these are
    int observers_ = 0;
};

}  // namespace components
