#include "platform/framework/controls/UpDown.h"

#include "platform/framework/controls/ClassicPainter.h"
#include "platform/user/Messages.h"

namespace framework {

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 16, 21); }

void TUpDown::WndProc(TMessage& message) {
    const int y = win::GET_Y_LPARAM(message.LParam);
    switch (message.Msg) {
        case win::WM_LBUTTONDOWN:
        case win::WM_LBUTTONDBLCLK:
            if (!Enabled()) return;
            pressed_ = y < ClientHeight() / 2 ? 0 : 1;
            Invalidate();
            SetMouseCapture(true);
            if (OnClick) OnClick(this, pressed_ == 0 ? TUDBtnType::Next : TUDBtnType::Prev);
            return;
        case win::WM_LBUTTONUP:
            pressed_ = -1;
            SetMouseCapture(false);
            Invalidate();
            return;
        default:
            TWinControl::WndProc(message);
    }
}

void TUpDown::Paint() {
    const win::RECT r = ClientRect();
    const int half = r.bottom / 2;
    classic::State upper;
    upper.pressed = pressed_ == 0;
    upper.enabled = Enabled();
    classic::State lower = upper;
    lower.pressed = pressed_ == 1;
    classic::ScrollButton(Canvas().Handle(), win::RECT{0, 0, r.right, half}, classic::Arrow::Up, upper);
    classic::ScrollButton(Canvas().Handle(), win::RECT{0, half, r.right, r.bottom}, classic::Arrow::Down, lower);
}

}  // namespace framework
