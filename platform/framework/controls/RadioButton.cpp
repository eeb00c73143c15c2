#include "platform/framework/controls/RadioButton.h"

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
