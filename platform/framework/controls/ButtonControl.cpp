#include "platform/framework/controls/ButtonControl.h"

#include "platform/framework/controls/ControlMessages.h"
#include "platform/user/MenuMnemonic.h"
#include "platform/user/Messages.h"

namespace framework {

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

void TButtonControl::WndProc(TMessage& message) {
    switch (message.Msg) {
        case win::WM_LBUTTONDOWN:
        case win::WM_LBUTTONDBLCLK:
            mouseInside_ = true;
            TWinControl::WndProc(message);
            Invalidate();
            return;
        case win::WM_LBUTTONUP:
            TWinControl::WndProc(message);
            mouseInside_ = false;
            Invalidate();
            return;
        case win::WM_MOUSEMOVE: {
            const int x = win::GET_X_LPARAM(message.LParam);
            const int y = win::GET_Y_LPARAM(message.LParam);
            const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
            if (pressed_ && inside != mouseInside_) {
                mouseInside_ = inside;
                Invalidate();
            }
            break;
        }
        case win::WM_KEYDOWN:
            if (message.WParam == static_cast<win::WPARAM>(win::VK_SPACE) && Enabled()) {
                if (!spaceDown_) {
                    spaceDown_ = true;
                    Invalidate();
                }
                return;
            }
            break;
        case win::WM_KEYUP:
            if (message.WParam == static_cast<win::WPARAM>(win::VK_SPACE) && spaceDown_) {
                spaceDown_ = false;
                Invalidate();
                ClickedByMouse();
                return;
            }
            break;
        case win::WM_KILLFOCUS:
            spaceDown_ = false;
            break;
        case CM_DIALOGCHAR: {
            // The underlined letter presses the button, as a click would.
            const char32_t mnemonic = user::MenuMnemonic(Caption());
            if (mnemonic && mnemonic == user::FoldedMnemonic(static_cast<char32_t>(message.WParam)) && CanFocus()) {
                SetFocus();
                ClickedByMouse();
                message.Result = 1;
            }
            return;
        }
        default:
            break;
    }
    TWinControl::WndProc(message);
}

}  // namespace framework
