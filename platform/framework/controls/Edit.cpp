#include "platform/framework/controls/Edit.h"

#include <algorithm>
#include <cstdlib>
#include "platform/framework/controls/BorderStyle.h"

#include "platform/framework/controls/ControlMessages.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/user/Clipboard.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/WindowStyles.h"

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

void TCustomEdit::SetSelStart(int start) {
    editor_.SetCaret(static_cast<std::size_t>(std::max(start, 0)));
    Invalidate();
}

void TCustomEdit::SetSelLength(int length) {
    const std::size_t start = editor_.SelectionStart();
    editor_.Select(start, start + static_cast<std::size_t>(std::max(length, 0)));
    Invalidate();
}

void TCustomEdit::SelectAll() {
    editor_.SelectAll();
    Invalidate();
}

void TCustomEdit::CopyToClipboard() {
    if (editor_.HasSelection()) user::SetClipboardText(editor_.SelectedText());
}

void TCustomEdit::CutToClipboard() {
    if (readOnly_ || !editor_.HasSelection()) return;
    CopyToClipboard();
    EditByUser(editor_.DeleteSelection());
}

void TCustomEdit::PasteFromClipboard() {
    if (readOnly_) return;
    EditByUser(editor_.InsertText(user::ClipboardText(), static_cast<std::size_t>(std::max(maxLength_, 0))));
}

void TCustomEdit::EditByUser(bool changed) {
    if (changed)
        UserEdited();
    else
        Invalidate();
}

void TCustomEdit::KeyDown(int& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);
    const bool extend = (shift & ssShift) != 0;
    const bool control = (shift & ssCtrl) != 0;
    switch (key) {
        case win::VK_LEFT:
            editor_.Left(extend);
            break;
        case win::VK_RIGHT:
            editor_.Right(extend);
            break;
        case win::VK_HOME:
            editor_.Home(extend);
            break;
        case win::VK_END:
            editor_.End(extend);
            break;
        case win::VK_INSERT:
            if (extend)
                PasteFromClipboard();
            else if (control)
                CopyToClipboard();
            return;
        case win::VK_DELETE:
            if (extend) {
                CutToClipboard();
                return;
            }
            if (!readOnly_) EditByUser(editor_.Delete());
            return;
        case win::VK_BACK:
            if (!readOnly_) EditByUser(editor_.Backspace());
            return;
        case 'A':
            if (control) SelectAll();
            return;
        case 'C':
            if (control) CopyToClipboard();
            return;
        case 'X':
            if (control) CutToClipboard();
            return;
        case 'V':
            if (control) PasteFromClipboard();
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

void TCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWinControl::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    if (shift & ssDouble)
        editor_.SelectWordAt(OffsetAt(x));
    else
        editor_.MoveCaret(OffsetAt(x), (shift & ssShift) != 0);
    Invalidate();
}

void TCustomEdit::MouseMove(TShiftState shift, int x, int y) {
    TWinControl::MouseMove(shift, x, y);
    // Dragging with the left button held selects from where it was pressed.
    if (!(shift & ssLeft) || !MouseCapture()) return;
    editor_.MoveCaret(OffsetAt(x), true);
    Invalidate();
}

int TCustomEdit::AdvanceOf(win::HDC dc, std::size_t offset) const {
    if (offset == 0) return 0;
    win::SIZE size{};
    win::GetTextExtentPoint32(dc, editor_.Text().c_str(), static_cast<int>(offset), &size);
    return size.cx;
}

std::size_t TCustomEdit::OffsetAt(int x) {
    const win::HDC dc = win::GetDC(nullptr);
    const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
    const std::string& text = editor_.Text();
    const int target = x - 1 + scrollX_;
    std::size_t best = 0;
    int bestDistance = std::abs(target);
    for (std::size_t offset = 1; offset <= text.size(); ++offset) {
        if (offset < text.size() && (static_cast<unsigned char>(text[offset]) & 0xC0) == 0x80) continue;
        const int distance = std::abs(AdvanceOf(dc, offset) - target);
        if (distance < bestDistance) {
            best = offset;
            bestDistance = distance;
        }
    }
    win::SelectObject(dc, old);
    win::ReleaseDC(nullptr, dc);
    return best;
}

void TCustomEdit::Paint() {
    const win::HDC dc = Canvas().Handle();
    const win::RECT r = ClientRect();
    gdi::FillSolid(dc, r, gdi::ResolveColor(Enabled() ? Color() : clBtnFace));
    const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
    win::SetBkMode(dc, win::TRANSPARENT);
    win::SIZE extent;
    win::GetTextExtentPoint32(dc, "Ag", 2, &extent);
    const int top = std::max(0, (r.bottom - extent.cy) / 2);
    // Scrolled just enough that the caret stands inside the edit, and no further than the text needs.
    const int caretX = AdvanceOf(dc, editor_.Caret());
    const int room = std::max(r.right - 3, 1);
    if (caretX - scrollX_ > room) scrollX_ = caretX - room;
    if (caretX < scrollX_) scrollX_ = caretX;
    scrollX_ = std::clamp(scrollX_, 0, std::max(AdvanceOf(dc, editor_.Text().size()) - room, 0));
    const int x = 1 - scrollX_;
    win::SetTextColor(dc, Enabled() ? gdi::ResolveColor(Font().Color()) : win::GetSysColor(win::COLOR_GRAYTEXT));
    win::TextOut(dc, x, top, Text().c_str(), static_cast<int>(Text().size()));
    const bool focused = Focused();
    if (focused && editor_.HasSelection()) {
        const int left = x + AdvanceOf(dc, editor_.SelectionStart());
        const int right = x + AdvanceOf(dc, editor_.SelectionEnd());
        gdi::FillSolid(dc, win::RECT{left, top, right, top + extent.cy}, win::GetSysColor(win::COLOR_HIGHLIGHT));
        win::SetTextColor(dc, win::GetSysColor(win::COLOR_HIGHLIGHTTEXT));
        const std::string selected = editor_.SelectedText();
        win::TextOut(dc, left, top, selected.c_str(), static_cast<int>(selected.size()));
    }
    if (focused) gdi::Line(dc, x + caretX, top, x + caretX, top + extent.cy, win::GetSysColor(win::COLOR_WINDOWTEXT));
    win::SelectObject(dc, old);
}

}  // namespace framework
