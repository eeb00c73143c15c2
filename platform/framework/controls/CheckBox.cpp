#include "platform/framework/controls/CheckBox.h"

#include "platform/framework/controls/CheckBoxPainting.h"
#include "platform/framework/controls/ClassicPainter.h"
#include "platform/user/Messages.h"

namespace framework {

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) {
    SetParentColor(true);
    SetBounds(0, 0, 97, 17);
}

void TCheckBox::SetState(TCheckBoxState state) {
    if (state == state_) return;
    state_ = state;
    Perform(win::BM_SETCHECK, static_cast<win::WPARAM>(state), 0);
    Click();
}

void TCheckBox::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Invalidate();
}

void TCheckBox::ClickedByMouse() {
    const auto current = static_cast<TCheckBoxState>(Perform(win::BM_GETCHECK, 0, 0));
    switch (current) {
        case cbUnchecked:
            SetState(allowGrayed_ ? cbGrayed : cbChecked);
            break;
        case cbGrayed:
            SetState(cbChecked);
            break;
        case cbChecked:
            SetState(cbUnchecked);
            break;
    }
}

void TCheckBox::WndProc(TMessage& message) {
    switch (message.Msg) {
        case win::BM_GETCHECK:
            message.Result = state_;
            return;
        case win::BM_SETCHECK:
            Invalidate();
            return;
        default:
            TButtonControl::WndProc(message);
    }
}

void TCheckBox::Paint() {
    Canvas().FillRect(ClientRect());
    const CheckBoxLayout layout = LayOutCheckBox(*this, alignment_ == taRightJustify);
    classic::State state;
    state.checked = state_ == cbChecked;
    state.grayed = state_ == cbGrayed;
    state.pressed = Down();
    state.enabled = Enabled();
    classic::CheckBox(Canvas().Handle(), layout.box, state);
    DrawCheckBoxCaption(Canvas(), *this, layout.text, Focused());
}

}  // namespace framework
