#include "platform/framework/controls/ComboBox.h"

#include "platform/framework/controls/ClassicPainter.h"
#include "platform/framework/controls/ComboList.h"
#include "platform/framework/controls/ControlMessages.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/Messages.h"
#include "platform/user/WindowStyles.h"

namespace framework {

namespace {

constexpr int kF4 = win::VK_F1 + 3;  // opens and closes the list

}  // namespace

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 145, 21);
}

TComboBox::~TComboBox() { list_.reset(); }

void TComboBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.exStyle |= win::WS_EX_CLIENTEDGE;
}

void TComboBox::SetStyle(TComboBoxStyle style) {
    if (style == style_) return;
    style_ = style;
    Invalidate();
}

void TComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= items_.Count()) index = -1;
    itemIndex_ = index;
    syncing_ = true;
    SetText(index >= 0 ? items_.Strings(index) : std::string());
    syncing_ = false;
    editor_.SetText(Text());
    Invalidate();
}

void TComboBox::SetDroppedDown(bool dropped) {
    if (dropped == DroppedDown() || style_ == csSimple) return;
    if (dropped) {
        list_ = std::make_unique<TComboList>(this);
    } else {
        list_.reset();
    }
    Invalidate();
}

win::RECT TComboBox::ButtonRect() const {
    const win::RECT r = ClientRect();
    return win::RECT{r.right - user::classic::Current().scrollBarSize, r.top, r.right, r.bottom};
}

void TComboBox::ListPicked(int index) {
    SetDroppedDown(false);
    SelectByUser(index);
}

void TComboBox::SelectByUser(int index) {
    if (index < 0 || index >= items_.Count() || index == itemIndex_) return;
    SetItemIndex(index);
    if (OnChange) OnChange(this);
}

void TComboBox::Edited() {
    syncing_ = true;
    SetText(editor_.Text());
    syncing_ = false;
    itemIndex_ = -1;
    for (int i = 0; i < items_.Count(); ++i)
        if (items_.Strings(i) == editor_.Text()) itemIndex_ = i;
    Invalidate();
    if (OnChange) OnChange(this);
}

void TComboBox::WndProc(TMessage& message) {
    switch (message.Msg) {
        case win::WM_LBUTTONDOWN:
        case win::WM_LBUTTONDBLCLK: {
            TWinControl::WndProc(message);
            const int x = win::GET_X_LPARAM(message.LParam);
            if (Enabled() && (style_ == csDropDownList || x >= ButtonRect().left)) SetDroppedDown(!DroppedDown());
            return;
        }
        case CM_TEXTCHANGED:
            if (!syncing_) editor_.SetText(Text());
            TWinControl::WndProc(message);
            return;
        case win::WM_KILLFOCUS:
            TWinControl::WndProc(message);
            SetDroppedDown(false);
            return;
        case CM_DIALOGKEY:
            // An open list takes Enter and Escape before the form's default and cancel buttons do.
            if (DroppedDown()) {
                int key = static_cast<int>(message.WParam);
                KeyDown(key, CurrentShiftState());
                message.Result = 1;
            }
            return;
        default:
            TWinControl::WndProc(message);
    }
}

void TComboBox::KeyDown(int& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);
    if (DroppedDown() && MovesInList(key) && !(shift & ssAlt)) {
        MoveInList(key);
        return;
    }
    switch (key) {
        case win::VK_DOWN:
            if (shift & ssAlt) {
                SetDroppedDown(!DroppedDown());
            } else {
                SelectByUser(itemIndex_ + 1);
            }
            return;
        case win::VK_UP:
            SelectByUser(std::max(0, itemIndex_ - 1));
            return;
        case kF4:
            SetDroppedDown(!DroppedDown());
            return;
        case win::VK_ESCAPE:
            SetDroppedDown(false);
            return;
        case win::VK_RETURN:
            if (DroppedDown() && list_->HotIndex() >= 0) ListPicked(list_->HotIndex());
            return;
        default:
            break;
    }
    if (style_ == csDropDownList) return;
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
        case win::VK_BACK:
            if (editor_.Backspace()) Edited();
            return;
        case win::VK_DELETE:
            if (editor_.Delete()) Edited();
            return;
        default:
            return;
    }
    Invalidate();
}

bool TComboBox::MovesInList(int key) {
    switch (key) {
        case win::VK_UP:
        case win::VK_DOWN:
        case win::VK_PRIOR:
        case win::VK_NEXT:
        case win::VK_HOME:
        case win::VK_END:
            return true;
        default:
            return false;
    }
}

void TComboBox::MoveInList(int key) {
    // An open list moves its highlight; the choice is made by Enter or a click.
    const int hot = list_->HotIndex();
    const int page = std::max(list_->Rows() - 1, 1);
    switch (key) {
        case win::VK_UP:
            list_->MoveHot(std::max(hot - 1, 0));
            break;
        case win::VK_DOWN:
            list_->MoveHot(hot + 1);
            break;
        case win::VK_PRIOR:
            list_->MoveHot(std::max(hot - page, 0));
            break;
        case win::VK_NEXT:
            list_->MoveHot(hot + page);
            break;
        case win::VK_HOME:
            list_->MoveHot(0);
            break;
        default:
            list_->MoveHot(items_.Count() - 1);
            break;
    }
}

void TComboBox::KeyPress(char32_t& key) {
    TWinControl::KeyPress(key);
    if (key == 0 || style_ == csDropDownList) return;
    if (editor_.Insert(key, 0)) Edited();
}

void TComboBox::Paint() {
    const win::HDC dc = Canvas().Handle();
    const win::RECT r = ClientRect();
    gdi::FillSolid(dc, r, gdi::ResolveColor(Enabled() ? Color() : clBtnFace));
    win::RECT text{r.left + 1, r.top + 1, style_ == csSimple ? r.right - 1 : ButtonRect().left - 1, r.bottom - 1};
    const bool highlighted = style_ == csDropDownList && Focused() && !DroppedDown();
    if (highlighted) gdi::FillSolid(dc, text, win::GetSysColor(win::COLOR_HIGHLIGHT));
    const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
    win::SetBkMode(dc, win::TRANSPARENT);
    win::SetTextColor(dc, !Enabled()    ? win::GetSysColor(win::COLOR_GRAYTEXT)
                          : highlighted ? win::GetSysColor(win::COLOR_HIGHLIGHTTEXT)
                                        : gdi::ResolveColor(Font().Color()));
    win::RECT inner{text.left + 2, text.top, text.right, text.bottom};
    win::DrawText(dc, Text().c_str(), -1, &inner, win::DT_SINGLELINE | win::DT_VCENTER | win::DT_NOPREFIX);
    if (highlighted) classic::FocusRect(dc, text);
    if (Focused() && style_ != csDropDownList) {
        win::SIZE before{};
        if (editor_.Caret() > 0)
            win::GetTextExtentPoint32(dc, Text().c_str(), static_cast<int>(editor_.Caret()), &before);
        const int x = inner.left + before.cx;
        gdi::Line(dc, x, inner.top + 2, x, inner.bottom - 2, win::GetSysColor(win::COLOR_WINDOWTEXT));
    }
    win::SelectObject(dc, old);
    if (style_ == csSimple) return;
    classic::State state;
    state.pressed = DroppedDown();
    state.enabled = Enabled();
    classic::ScrollButton(dc, ButtonRect(), classic::Arrow::Down, state);
}

}  // namespace framework
