#include "platform/framework/forms/MessageForm.h"

#include <algorithm>

#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ClassicPainter.h"
#include "platform/framework/controls/ControlMessages.h"
#include "platform/framework/forms/MessageBox.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Paint.h"

namespace framework {

namespace {

constexpr win::UINT CM_ANSWER = CM_BASE + 0x202;
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;

struct ButtonSpec {
    const char* caption;
    int id;
};

std::vector<ButtonSpec> ButtonsOf(win::UINT type) {
    switch (type & 0x0F) {
        case win::MB_OKCANCEL:
            return {{"确定", win::IDOK}, {"取消", win::IDCANCEL}};
        case win::MB_YESNOCANCEL:
            return {{"是(&Y)", win::IDYES}, {"否(&N)", win::IDNO}, {"取消", win::IDCANCEL}};
        case win::MB_YESNO:
            return {{"是(&Y)", win::IDYES}, {"否(&N)", win::IDNO}};
        default:
            return {{"确定", win::IDOK}};
    }
}

classic::MessageIcon IconOf(win::UINT type) {
    switch (type & 0xF0) {
        case win::MB_ICONERROR:
            return classic::MessageIcon::Error;
        case win::MB_ICONQUESTION:
            return classic::MessageIcon::Question;
        case win::MB_ICONWARNING:
            return classic::MessageIcon::Warning;
        case win::MB_ICONINFORMATION:
            return classic::MessageIcon::Information;
        default:
            return classic::MessageIcon::None;
    }
}

}  // namespace

TMessageForm::TMessageForm(const std::string& text, const std::string& caption, win::UINT type)
    : TCustomForm(nullptr), text_(text), type_(type) {
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption(caption);
    Font().SetName("宋体");
    Font().SetHeight(-12);

    const win::HDC dc = win::GetDC(nullptr);
    const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
    win::RECT measured{0, 0, 0, 0};
    win::DrawText(dc, text_.c_str(), -1, &measured, win::DT_CALCRECT | win::DT_NOPREFIX);
    win::SelectObject(dc, old);
    win::ReleaseDC(nullptr, dc);

    const bool hasIcon = IconOf(type) != classic::MessageIcon::None;
    const int textLeft = kMargin + (hasIcon ? kIconSize + kMargin : 0);
    const int contentHeight = std::max(hasIcon ? kIconSize : 0, static_cast<int>(measured.bottom));
    const int textTop = kMargin + (contentHeight - measured.bottom) / 2;
    textRect_ = win::RECT{textLeft, textTop, textLeft + measured.right, textTop + measured.bottom};

    const auto specs = ButtonsOf(type);
    const int buttonsWidth = static_cast<int>(specs.size()) * (kButtonWidth + kButtonGap) - kButtonGap;
    const int clientWidth = std::max(textRect_.right + kMargin, buttonsWidth + 2 * kMargin);
    const int buttonsTop = kMargin + contentHeight + kMargin + 4;
    SetClientSize(clientWidth, buttonsTop + kButtonHeight + kMargin);

    int x = (clientWidth - buttonsWidth) / 2;
    for (const ButtonSpec& choice : specs) {
        auto* button = new TButton(this);
        button->SetParent(this);
        button->SetCaption(choice.caption);
        button->SetBounds(x, buttonsTop, kButtonWidth, kButtonHeight);
        button->SetModalResult(choice.id);
        button->SetTag(choice.id);
        if (choice.id == win::IDCANCEL || (choice.id == win::IDOK && specs.size() == 1)) button->SetCancel(true);
        buttons_.push_back(button);
        x += kButtonWidth + kButtonGap;
    }
    buttons_.front()->SetDefault(true);
    SetActiveControl(buttons_.front());
}

void TMessageForm::PostAnswer(int id) { win::PostMessage(Handle(), CM_ANSWER, static_cast<win::WPARAM>(id), 0); }

void TMessageForm::WndProc(TMessage& message) {
    if (message.Msg == CM_ANSWER) {
        for (TButton* button : buttons_)
            if (button->Tag() == static_cast<std::intptr_t>(message.WParam)) button->Click();
        if (ModalResult() == mrNone) SetModalResult(static_cast<TModalResult>(message.WParam));
        return;
    }
    TCustomForm::WndProc(message);
}

void TMessageForm::Paint() {
    const win::HDC dc = Canvas().Handle();
    classic::Icon(dc, kMargin, kMargin, IconOf(type_));
    const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
    win::SetBkMode(dc, win::TRANSPARENT);
    win::SetTextColor(dc, win::GetSysColor(win::COLOR_WINDOWTEXT));
    win::RECT r = textRect_;
    win::DrawText(dc, text_.c_str(), -1, &r, win::DT_NOPREFIX);
    win::SelectObject(dc, old);
}

}  // namespace framework
