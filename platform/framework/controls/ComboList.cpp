#include "platform/framework/controls/ComboList.h"

#include <algorithm>

#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/ScrollBarPainting.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"
#include "platform/user/WindowStyles.h"

namespace framework {

namespace {

// Rows a wheel notch scrolls.
constexpr int kWheelRows = 3;

}  // namespace

TComboList::TComboList(TComboBox* combo) : TWinControl(nullptr), combo_(combo) {
    Font().Assign(combo->Font());
    SetColor(clWindow);
    rows_ = std::clamp(ItemCount(), 1, std::max(combo->DropDownCount(), 1));
    const win::POINT below = combo->ClientToScreen(win::POINT{0, combo->ClientHeight()});
    SetBounds(below.x - 2, below.y + 2, combo->Width(), rows_ * ItemHeight() + 2);
    // The current choice is highlighted and in view; in an editable combo, the item its text names.
    MoveHot(combo->ItemIndex() >= 0 ? combo->ItemIndex() : combo->Items().IndexOf(combo->Text()));
    HandleNeeded();
    win::SetCapture(Handle());
}

TComboList::~TComboList() {
    if (HandleAllocated() && win::GetCapture() == Handle()) win::ReleaseCapture();
}

int TComboList::ItemHeight() const { return std::max(13, -Font().Height() + 4); }

int TComboList::ItemCount() const { return combo_->Items().Count(); }

int TComboList::RowsRight() const {
    return ScrollBarShown() ? std::max(ClientWidth() - user::classic::Current().scrollBarSize, 0) : ClientWidth();
}

VerticalScrollBar TComboList::ScrollBar() const {
    return VerticalScrollBar(win::RECT{RowsRight(), 0, ClientWidth(), ClientHeight()}, ItemCount(), rows_, top_);
}

void TComboList::SetTop(int top) {
    top = std::clamp(top, 0, std::max(ItemCount() - rows_, 0));
    if (top == top_) return;
    top_ = top;
    Invalidate();
}

void TComboList::MoveHot(int index) {
    if (ItemCount() == 0 || index < 0) return;
    hot_ = std::min(index, ItemCount() - 1);
    if (hot_ < top_) SetTop(hot_);
    if (hot_ >= top_ + rows_) SetTop(hot_ - rows_ + 1);
    Invalidate();
}

void TComboList::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.style = win::WS_POPUP | win::WS_BORDER | win::WS_VISIBLE;
    params.exStyle = win::WS_EX_TOPMOST;
}

int TComboList::IndexAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= RowsRight()) return -1;
    const int index = top_ + y / ItemHeight();
    return index < ItemCount() ? index : -1;
}

void TComboList::WndProc(TMessage& message) {
    const int x = win::GET_X_LPARAM(message.LParam);
    const int y = win::GET_Y_LPARAM(message.LParam);
    const bool inside = x >= 0 && y >= 0 && x < ClientWidth() && y < ClientHeight();
    const bool onBar = inside && ScrollBarShown() && x >= RowsRight();
    switch (message.Msg) {
        case win::WM_MOUSEMOVE:
            if (pressedPart_ == VerticalScrollBar::Part::Thumb) {
                SetTop(ScrollBar().PositionAtThumbTop(y - thumbGrip_));
            } else if (pressedPart_ == VerticalScrollBar::Part::None && IndexAt(x, y) >= 0 && IndexAt(x, y) != hot_) {
                hot_ = IndexAt(x, y);
                Invalidate();
            }
            return;
        case win::WM_LBUTTONDOWN:
        case win::WM_LBUTTONDBLCLK:
            if (onBar) {
                const VerticalScrollBar bar = ScrollBar();
                pressedPart_ = bar.HitTest(win::POINT{x, y});
                if (pressedPart_ == VerticalScrollBar::Part::Thumb) thumbGrip_ = y - bar.Thumb().top;
                SetTop(bar.PositionAfterPress(pressedPart_));
                Invalidate();
            } else if (!inside) {
                // A press outside the list closes it.
                combo_->SetDroppedDown(false);
            }
            return;
        case win::WM_LBUTTONUP:
            if (pressedPart_ != VerticalScrollBar::Part::None) {
                pressedPart_ = VerticalScrollBar::Part::None;
                Invalidate();
            } else if (inside && IndexAt(x, y) >= 0) {
                combo_->ListPicked(IndexAt(x, y));
            }
            return;
        case win::WM_MOUSEWHEEL: {
            wheelRemainder_ += win::GET_WHEEL_DELTA_WPARAM(message.WParam);
            const int notches = wheelRemainder_ / win::WHEEL_DELTA;
            wheelRemainder_ %= win::WHEEL_DELTA;
            SetTop(top_ - notches * kWheelRows);
            return;
        }
        default:
            TWinControl::WndProc(message);
    }
}

void TComboList::Paint() {
    const win::HDC dc = Canvas().Handle();
    const win::RECT r = ClientRect();
    const int right = RowsRight();
    gdi::FillSolid(dc, win::RECT{r.left, r.top, right, r.bottom}, win::GetSysColor(win::COLOR_WINDOW));
    const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
    win::SetBkMode(dc, win::TRANSPARENT);
    for (int i = top_; i < ItemCount(); ++i) {
        const win::RECT row{0, (i - top_) * ItemHeight(), right, (i - top_ + 1) * ItemHeight()};
        if (row.top >= r.bottom) break;
        const bool hot = i == hot_;
        if (hot) gdi::FillSolid(dc, row, win::GetSysColor(win::COLOR_HIGHLIGHT));
        win::SetTextColor(dc, win::GetSysColor(hot ? win::COLOR_HIGHLIGHTTEXT : win::COLOR_WINDOWTEXT));
        win::RECT text{row.left + 2, row.top, row.right - 2, row.bottom};
        win::DrawText(dc, combo_->Items().Strings(i).c_str(), -1, &text,
                      win::DT_SINGLELINE | win::DT_VCENTER | win::DT_NOPREFIX);
    }
    win::SelectObject(dc, old);
    if (ScrollBarShown()) PaintVerticalScrollBar(dc, ScrollBar(), pressedPart_, true);
}

}  // namespace framework
