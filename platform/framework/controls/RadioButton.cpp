#include "platform/framework/controls/RadioButton.h"

#include <algorithm>

#include "platform/framework/controls/CheckBoxPainting.h"
#include "platform/framework/controls/ClassicPainter.h"
#include "platform/user/Messages.h"

namespace framework {

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
    SetParentColor(true);
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    Perform(win::BM_SETCHECK, checked ? 1 : 0, 0);
    if (!checked) return;
    if (TWinControl* parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i)); sibling && sibling != this)
                sibling->SetChecked(false);
    }
    Click();
}

void TRadioButton::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Invalidate();
}

void TRadioButton::ClickedByMouse() {
    if (Perform(win::BM_GETCHECK, 0, 0) == 0) SetChecked(true);
}

std::vector<TRadioButton*> TRadioButton::Group() const {
    std::vector<TRadioButton*> group;
    if (TWinControl* parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* member = dynamic_cast<TRadioButton*>(parent->Controls(i)); member && member->CanFocus())
                group.push_back(member);
    }
    return group;
}

bool TRadioButton::IsTabStop() const {
    if (!TabStop()) return false;
    if (checked_) return true;
    const std::vector<TRadioButton*> group = Group();
    const bool anyChecked = std::any_of(group.begin(), group.end(), [](TRadioButton* b) { return b->Checked(); });
    return !anyChecked && !group.empty() && group.front() == this;
}

void TRadioButton::KeyDown(int& key, TShiftState shift) {
    TButtonControl::KeyDown(key, shift);
    const bool forward = key == win::VK_RIGHT || key == win::VK_DOWN;
    if (!forward && key != win::VK_LEFT && key != win::VK_UP) return;
    const std::vector<TRadioButton*> group = Group();
    const auto at = std::find(group.begin(), group.end(), this);
    if (at == group.end() || group.size() < 2) return;
    const std::size_t index = static_cast<std::size_t>(at - group.begin());
    TRadioButton* next = group[(index + (forward ? 1 : group.size() - 1)) % group.size()];
    next->SetFocus();
    next->SetChecked(true);
    key = 0;
}

void TRadioButton::WndProc(TMessage& message) {
    switch (message.Msg) {
        case win::BM_GETCHECK:
            message.Result = checked_ ? 1 : 0;
            return;
        case win::BM_SETCHECK:
            Invalidate();
            return;
        default:
            TButtonControl::WndProc(message);
    }
}

void TRadioButton::Paint() {
    Canvas().FillRect(ClientRect());
    CheckBoxLayout layout = LayOutCheckBox(*this, alignment_ == taRightJustify);
    layout.box.right -= 1;
    layout.box.bottom -= 1;
    classic::State state;
    state.checked = checked_;
    state.pressed = Down();
    state.enabled = Enabled();
    classic::RadioButton(Canvas().Handle(), layout.box, state);
    DrawCheckBoxCaption(Canvas(), *this, layout.text, Focused());
}

}  // namespace framework
