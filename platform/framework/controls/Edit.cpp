#include "platform/framework/controls/Edit.h"

#include "platform/framework/controls/BorderStyle.h"
#include "platform/framework/controls/ControlMessages.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/user/Messages.h"

namespace framework {

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 121, 21);
}

void TCustomEdit::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    UpdateFrameStyle();
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    AddBorderStyle(params, borderStyle_, Ctl3D());
}

bool TCustomEdit::Accepts(char32_t) const { return true; }

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

void TCustomEdit::UserEdited() {
    modified_ = true;
    syncing_ = true;
    SetText(editor_.Text());
    syncing_ = false;
    Invalidate();
}

void TCustomEdit::WndProc(TMessage& message) {
    switch (message.Msg) {
        case win::EM_GETMODIFY:
            message.Result = modified_ ? 1 : 0;
            return;
        case CM_TEXTCHANGED:
            if (!syncing_) editor_.SetText(Text());
            TWinControl::WndProc(message);
            Change();
            return;
        default:
            TWinControl::WndProc(message);
    }
}

void TCustomEdit::KeyDown(int& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);
    switch (key) {
        case win::VK_LEFT:
            editor_.Left();
            break;
        case win::VK_RIGHT:
            editor_.Right();
            break;
        case win::VK_HOME:
            editor_.Home();
            break;
        case win::VK_END:
            editor_.End();
            break;
        case win::VK_DELETE:
            if (!readOnly_ && editor_.Delete()) UserEdited();
            return;
        case win::VK_BACK:
            if (!readOnly_ && editor_.Backspace()) UserEdited();
            return;
        default:
            return;
    }
    Invalidate();
}

void TCustomEdit::KeyPress(char32_t& key) {
    TWinControl::KeyPress(key);
    if (key == 0 || readOnly_) return;
    if (!Accepts(key)) return;
    if (editor_.Insert(key, static_cast<std::size_t>(std::max(maxLength_, 0)))) UserEdited();
}

void TCustomEdit::Paint() {
    const win::HDC dc = Canvas().Handle();
    const win::RECT r = ClientRect();
    gdi::FillSolid(dc, r, gdi::ResolveColor(Enabled() ? Color() : clBtnFace));
    const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
    win::SetBkMode(dc, win::TRANSPARENT);
    win::SetTextColor(dc, Enabled() ? gdi::ResolveColor(Font().Color()) : win::GetSysColor(win::COLOR_GRAYTEXT));
    win::SIZE extent;
    win::GetTextExtentPoint32(dc, "Ag", 2, &extent);
    const int top = std::max(0, (r.bottom - extent.cy) / 2);
    win::TextOut(dc, 1, top, Text().c_str(), static_cast<int>(Text().size()));
    if (Focused()) {
        win::SIZE before{};
        if (editor_.Caret() > 0)
            win::GetTextExtentPoint32(dc, Text().c_str(), static_cast<int>(editor_.Caret()), &before);
        gdi::Line(dc, 1 + before.cx, top, 1 + before.cx, top + extent.cy, win::GetSysColor(win::COLOR_WINDOWTEXT));
    }
    win::SelectObject(dc, old);
}

}  // namespace framework
