#include "platform/framework/controls/Button.h"

#include "platform/framework/controls/ClassicPainter.h"
#include "platform/framework/controls/ControlMessages.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/user/Messages.h"

namespace framework {

TButton::TButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 75, 25); }

void TButton::SetDefault(bool isDefault) {
    if (isDefault == default_) return;
    default_ = isDefault;
    Invalidate();
}

void TButton::Click() {
    if (modalResult_ != mrNone) TopParent()->TakeModalResult(modalResult_);
    TButtonControl::Click();
}

void TButton::WndProc(TMessage& message) {
    if (message.Msg == CM_DIALOGKEY) {
        const bool enter = message.WParam == static_cast<win::WPARAM>(win::VK_RETURN) && (default_ || Focused());
        const bool escape = message.WParam == static_cast<win::WPARAM>(win::VK_ESCAPE) && cancel_;
        if ((enter || escape) && Showing() && Enabled()) {
            Click();
            message.Result = 1;
        }
        return;
    }
    TButtonControl::WndProc(message);
}

void TButton::Paint() {
    const win::HDC dc = Canvas().Handle();
    const win::RECT r = ClientRect();
    classic::State state;
    state.pressed = Down();
    state.enabled = Enabled();
    state.focused = Focused();
    state.isDefault = default_;
    classic::PushButton(dc, r, state);
    win::RECT text = r;
    if (state.pressed) {
        text.left += 1;
        text.top += 1;
        text.right += 1;
        text.bottom += 1;
    }
    const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
    classic::ButtonText(dc, Caption(), text,
                        DrawTextBiDiModeFlags(win::DT_CENTER | win::DT_VCENTER | win::DT_SINGLELINE), Enabled());
    win::SelectObject(dc, old);
}

}  // namespace framework
