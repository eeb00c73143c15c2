#include "platform/framework/controls/ListView.h"

#include <algorithm>

#include "platform/framework/MulDiv.h"
#include "platform/framework/controls/BorderStyle.h"
#include "platform/framework/controls/ClassicPainter.h"
#include "platform/framework/controls/ScrollBarPainting.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/Cursor.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"

namespace framework {

namespace {

int CheckSize() { return user::classic::Current().checkBoxSize; }
// Room for the check box left of the first column's text.
int CheckColumn() { return CheckSize() + 6; }
constexpr int kTextPadding = 4;
// Rows a wheel notch scrolls, and rows a scroll-bar arrow click scrolls.
constexpr int kWheelRows = 3;
// How far on each side of a column's edge the header takes the pointer as on the divider.
constexpr int kDividerGrip = 4;

}  // namespace

void TListColumn::SetCaption(const std::string& caption) {
    caption_ = caption;
    owner_->Changed();
}

void TListColumn::SetWidth(int width) {
    width_ = width;
    owner_->Changed();
}

void TListView::ChangeScale(int multiplier, int divisor) {
    if (multiplier == divisor) return;
    for (const auto& column : columns_) column->SetWidth(MulDiv(column->Width(), multiplier, divisor));
    TWinControl::ChangeScale(multiplier, divisor);
}

void TListColumn::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    owner_->Changed();
}

void TListItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    owner_->Changed();
}

void TListItem::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    owner_->Changed();
}

void TListItem::SetSelected(bool selected) {
    if (selected == selected_) return;
    if (selected && !owner_->MultiSelect()) {
        for (int i = 0; i < owner_->ItemCount(); ++i) owner_->Items(i)->selected_ = false;
    }
    selected_ = selected;
    owner_->Changed();
}

int TListItem::Index() const {
    for (int i = 0; i < owner_->ItemCount(); ++i)
        if (owner_->Items(i) == this) return i;
    return -1;
}

TListView::TListView(TComponent* owner) : TWinControl(owner) {
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 250, 150);
}

TListView::~TListView() = default;

void TListView::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    AddBorderStyle(params, borderStyle_, Ctl3D());
}

void TListView::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    UpdateFrameStyle();
}

void TListView::SetCheckboxes(bool checkboxes) {
    checkboxes_ = checkboxes;
    Invalidate();
}

void TListView::SetRowSelect(bool rowSelect) {
    rowSelect_ = rowSelect;
    Invalidate();
}

TListColumn* TListView::AddColumn() {
    columns_.push_back(std::make_unique<TListColumn>(this));
    Invalidate();
    return columns_.back().get();
}

TListItem* TListView::AddItem() {
    items_.push_back(std::make_unique<TListItem>(this));
    Invalidate();
    return items_.back().get();
}

void TListView::DeleteItem(int index) {
    if (index < 0 || index >= ItemCount()) return;
    items_.erase(items_.begin() + index);
    if (focusedIndex_ >= ItemCount()) focusedIndex_ = ItemCount() - 1;
    if (anchorIndex_ >= ItemCount()) anchorIndex_ = -1;
    topIndex_ = std::clamp(topIndex_, 0, MaxTopIndex());
    Invalidate();
}

void TListView::ClearItems() {
    items_.clear();
    focusedIndex_ = anchorIndex_ = -1;
    topIndex_ = 0;
    Invalidate();
}

int TListView::SelCount() const {
    return static_cast<int>(std::count_if(items_.begin(), items_.end(), [](const auto& i) { return i->Selected(); }));
}

TListItem* TListView::Selected() const {
    for (const auto& item : items_)
        if (item->Selected()) return item.get();
    return nullptr;
}

int TListView::HeaderHeight() const { return std::max(17, -Font().Height() + 6); }

int TListView::RowHeight() const { return std::max(CheckSize() + 3, -Font().Height() + 5); }

int TListView::VisibleRows() const { return std::max(1, (ClientHeight() - HeaderHeight()) / RowHeight()); }

int TListView::RowsRight() const {
    return ScrollBarShown() ? std::max(ClientWidth() - user::classic::Current().scrollBarSize, 0) : ClientWidth();
}

VerticalScrollBar TListView::ScrollBar() const {
    const int right = ClientWidth();
    return VerticalScrollBar(win::RECT{ScrollBarShown() ? RowsRight() : right, 0, right, ClientHeight()}, ItemCount(),
                             VisibleRows(), topIndex_);
}

void TListView::SetTopIndex(int index) {
    index = std::clamp(index, 0, MaxTopIndex());
    if (index == topIndex_) return;
    topIndex_ = index;
    Invalidate();
}

int TListView::ItemAt(int x, int y) const {
    if (y < HeaderHeight() || x >= RowsRight()) return -1;
    const int index = topIndex_ + (y - HeaderHeight()) / RowHeight();
    return index < ItemCount() ? index : -1;
}

int TListView::DividerAt(int x, int y) const {
    if (y < 0 || y >= HeaderHeight() || x >= RowsRight()) return -1;
    // Of dividers that lie together the last wins, so a column dragged to nothing can be widened again.
    int found = -1;
    int right = 0;
    for (int c = 0; c < ColumnCount(); ++c) {
        right += Columns(c)->Width();
        if (x >= right - kDividerGrip && x < right + kDividerGrip) found = c;
    }
    return found;
}

void TListView::ScrollIntoView(int index) {
    if (index < topIndex_) topIndex_ = index;
    if (index >= topIndex_ + VisibleRows()) topIndex_ = index - VisibleRows() + 1;
    topIndex_ = std::clamp(topIndex_, 0, MaxTopIndex());
}

void TListView::PressScrollBar(int y) {
    const VerticalScrollBar bar = ScrollBar();
    pressedPart_ = bar.HitTest(win::POINT{bar.Bar().left, y});
    if (pressedPart_ == VerticalScrollBar::Part::Thumb) thumbGrip_ = y - bar.Thumb().top;
    SetTopIndex(bar.PositionAfterPress(pressedPart_));
    Invalidate();
}

void TListView::MoveFocus(int index) {
    if (index < 0 || index >= ItemCount()) return;
    focusedIndex_ = index;
    ScrollIntoView(index);
    Invalidate();
}

void TListView::PressItem(int index, int x, TShiftState shift) {
    if (index < 0) {
        if (!(shift & ssCtrl)) {
            for (auto& item : items_) item->SetSelected(false);
        }
        return;
    }
    TListItem* item = Items(index);
    if (checkboxes_ && x >= 2 && x < CheckColumn()) {
        item->SetChecked(!item->Checked());
        MoveFocus(index);
        return;
    }
    if (multiSelect_ && (shift & ssCtrl)) {
        item->SetSelected(!item->Selected());
        anchorIndex_ = index;
    } else if (multiSelect_ && (shift & ssShift) && anchorIndex_ >= 0) {
        const int from = std::min(anchorIndex_, index);
        const int to = std::max(anchorIndex_, index);
        for (int i = 0; i < ItemCount(); ++i) Items(i)->SetSelected(i >= from && i <= to);
    } else {
        for (int i = 0; i < ItemCount(); ++i) Items(i)->SetSelected(i == index);
        anchorIndex_ = index;
    }
    MoveFocus(index);
}

void TListView::WndProc(TMessage& message) {
    switch (message.Msg) {
        case win::WM_MOUSEWHEEL: {
            if (!Enabled() || !ScrollBarShown()) break;
            wheelRemainder_ += win::GET_WHEEL_DELTA_WPARAM(message.WParam);
            const int notches = wheelRemainder_ / win::WHEEL_DELTA;
            wheelRemainder_ %= win::WHEEL_DELTA;
            SetTopIndex(topIndex_ - notches * kWheelRows);
            message.Result = 0;
            return;
        }
        case win::WM_SETCURSOR: {
            win::POINT at;
            win::GetCursorPos(&at);
            at = ScreenToClient(at);
            if (win::LOWORD(message.LParam) == win::HTCLIENT && Enabled() && DividerAt(at.x, at.y) >= 0) {
                win::SetCursor(win::LoadCursor(nullptr, win::IDC_SIZEWE));
                message.Result = win::TRUE;
                return;
            }
            break;
        }
        case win::WM_MOUSEMOVE:
            if (sizedColumn_ >= 0 && sizedColumn_ < ColumnCount()) {
                int left = 0;
                for (int c = 0; c < sizedColumn_; ++c) left += Columns(c)->Width();
                Columns(sizedColumn_)->SetWidth(std::max(win::GET_X_LPARAM(message.LParam) - sizingGrip_ - left, 0));
            }
            if (pressedPart_ == VerticalScrollBar::Part::Thumb)
                SetTopIndex(ScrollBar().PositionAtThumbTop(win::GET_Y_LPARAM(message.LParam) - thumbGrip_));
            break;
        case win::WM_LBUTTONUP:
        case win::WM_CAPTURECHANGED:
            sizedColumn_ = -1;
            if (pressedPart_ != VerticalScrollBar::Part::None) {
                pressedPart_ = VerticalScrollBar::Part::None;
                Invalidate();
            }
            break;
        case win::WM_LBUTTONDOWN:
        case win::WM_LBUTTONDBLCLK:
            if (Enabled() && ScrollBarShown() && win::GET_X_LPARAM(message.LParam) >= RowsRight()) {
                PressScrollBar(win::GET_Y_LPARAM(message.LParam));
                // Still the control's own press: it takes the focus and the capture, but selects no row.
                TWinControl::WndProc(message);
                return;
            }
            if (Enabled()) {
                const int x = win::GET_X_LPARAM(message.LParam);
                if (const int divider = DividerAt(x, win::GET_Y_LPARAM(message.LParam)); divider >= 0) {
                    sizedColumn_ = divider;
                    int right = 0;
                    for (int c = 0; c <= divider; ++c) right += Columns(c)->Width();
                    sizingGrip_ = x - right;
                    // The press takes the focus and the capture, which keeps the drag; no row is chosen.
                    TWinControl::WndProc(message);
                    return;
                }
            }
            if (message.Msg == win::WM_LBUTTONDBLCLK) break;
            [[fallthrough]];
        case win::WM_RBUTTONDOWN: {
            const int x = win::GET_X_LPARAM(message.LParam);
            const int y = win::GET_Y_LPARAM(message.LParam);
            if (Enabled()) {
                const int index = ItemAt(x, y);
                if (message.Msg == win::WM_LBUTTONDOWN || (index >= 0 && !Items(index)->Selected()))
                    PressItem(index, x, message.Msg == win::WM_LBUTTONDOWN ? CurrentShiftState() : 0);
            }
            break;
        }
        default:
            break;
    }
    TWinControl::WndProc(message);
}

void TListView::KeyDown(int& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);
    switch (key) {
        case win::VK_DOWN:
            if (focusedIndex_ + 1 < ItemCount()) PressItem(focusedIndex_ + 1, CheckColumn(), shift & ssShift);
            break;
        case win::VK_UP:
            if (focusedIndex_ > 0) PressItem(focusedIndex_ - 1, CheckColumn(), shift & ssShift);
            break;
        case win::VK_HOME:
            if (ItemCount() > 0) PressItem(0, CheckColumn(), shift & ssShift);
            break;
        case win::VK_END:
            if (ItemCount() > 0) PressItem(ItemCount() - 1, CheckColumn(), shift & ssShift);
            break;
        case win::VK_PRIOR:
            if (ItemCount() > 0)
                PressItem(std::max(focusedIndex_ - std::max(VisibleRows() - 1, 1), 0), CheckColumn(), shift & ssShift);
            break;
        case win::VK_NEXT:
            if (ItemCount() > 0)
                PressItem(std::min(focusedIndex_ + std::max(VisibleRows() - 1, 1), ItemCount() - 1), CheckColumn(),
                          shift & ssShift);
            break;
        case win::VK_SPACE:
            if (checkboxes_ && ItemFocused()) ItemFocused()->SetChecked(!ItemFocused()->Checked());
            break;
        default:
            break;
    }
}

void TListView::Paint() {
    const win::HDC dc = Canvas().Handle();
    // The header and the rows end where the scroll bar begins.
    const win::RECT client{0, 0, RowsRight(), ClientHeight()};
    gdi::FillSolid(dc, client, gdi::ResolveColor(Color()));
    const win::HRGN rowsArea = win::CreateRectRgn(client.left, client.top, client.right, client.bottom);
    win::SelectObject(dc, rowsArea);
    win::DeleteObject(rowsArea);
    const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
    win::SetBkMode(dc, win::TRANSPARENT);

    // Header
    int x = 0;
    const int headerHeight = HeaderHeight();
    for (const auto& column : columns_) {
        const win::RECT section{x, 0, x + column->Width(), headerHeight};
        classic::HeaderSection(dc, section, false);
        win::SetTextColor(dc, win::GetSysColor(win::COLOR_BTNTEXT));
        win::RECT text{section.left + kTextPadding + 2, 0, section.right - kTextPadding, headerHeight};
        win::UINT format = win::DT_SINGLELINE | win::DT_VCENTER | win::DT_NOPREFIX;
        if (column->Alignment() == taRightJustify) format |= win::DT_RIGHT;
        if (column->Alignment() == taCenter) format |= win::DT_CENTER;
        win::DrawText(dc, column->Caption().c_str(), -1, &text, format);
        x = section.right;
    }
    if (x < client.right) classic::HeaderSection(dc, win::RECT{x, 0, client.right + 2, headerHeight}, false);

    // Rows
    const int rowHeight = RowHeight();
    const bool focused = Focused();
    for (int index = topIndex_; index < ItemCount(); ++index) {
        const int top = headerHeight + (index - topIndex_) * rowHeight;
        if (top >= client.bottom) break;
        TListItem* item = Items(index);
        int left = 0;
        if (checkboxes_) {
            const win::RECT box{4, top + (rowHeight - CheckSize()) / 2, 4 + CheckSize(),
                                top + (rowHeight - CheckSize()) / 2 + CheckSize()};
            classic::State state;
            state.checked = item->Checked();
            state.enabled = Enabled();
            classic::CheckBox(dc, box, state);
            left = CheckColumn() + 2;
        }
        const int firstWidth = columns_.empty() ? client.right : columns_.front()->Width();
        const bool selected = item->Selected();
        win::RECT highlight{left, top, firstWidth, top + rowHeight};
        if (rowSelect_) {
            int right = 0;
            for (const auto& column : columns_) right += column->Width();
            highlight.right = std::max(right, static_cast<int>(firstWidth));
        } else if (!item->Caption().empty()) {
            win::RECT measured{0, 0, 0, 0};
            win::DrawText(dc, item->Caption().c_str(), -1, &measured,
                          win::DT_SINGLELINE | win::DT_CALCRECT | win::DT_NOPREFIX);
            highlight.right = std::min(static_cast<int>(firstWidth), left + measured.right + 2 * kTextPadding);
        }
        if (selected) {
            gdi::FillSolid(dc, highlight, win::GetSysColor(focused ? win::COLOR_HIGHLIGHT : win::COLOR_BTNFACE));
        }
        int columnLeft = 0;
        for (int c = 0; c < std::max(1, ColumnCount()); ++c) {
            const int width = columns_.empty() ? client.right : Columns(c)->Width();
            const std::string& text = c == 0                             ? item->Caption()
                                      : c - 1 < item->SubItems().Count() ? item->SubItems().Strings(c - 1)
                                                                         : std::string();
            const bool inHighlight = selected && (c == 0 || rowSelect_);
            win::SetTextColor(dc, !Enabled()               ? win::GetSysColor(win::COLOR_GRAYTEXT)
                                  : inHighlight && focused ? win::GetSysColor(win::COLOR_HIGHLIGHTTEXT)
                                                           : gdi::ResolveColor(Font().Color()));
            win::RECT cell{columnLeft + (c == 0 ? left : 0) + kTextPadding, top, columnLeft + width - kTextPadding,
                           top + rowHeight};
            win::UINT format = win::DT_SINGLELINE | win::DT_VCENTER | win::DT_NOPREFIX;
            if (!columns_.empty() && Columns(c)->Alignment() == taRightJustify) format |= win::DT_RIGHT;
            if (!columns_.empty() && Columns(c)->Alignment() == taCenter) format |= win::DT_CENTER;
            if (cell.right > cell.left) {
                const win::HRGN clip = win::CreateRectRgn(cell.left, cell.top, cell.right, cell.bottom);
                win::SelectObject(dc, clip);
                win::DrawText(dc, text.c_str(), -1, &cell, format);
                win::DeleteObject(clip);
                const win::HRGN all = win::CreateRectRgn(client.left, headerHeight, client.right, client.bottom);
                win::SelectObject(dc, all);
                win::DeleteObject(all);
            }
            columnLeft += width;
        }
        if (focused && index == focusedIndex_) classic::FocusRect(dc, highlight);
    }
    win::SelectObject(dc, old);
    if (ScrollBarShown()) PaintScrollBar(dc);
}

void TListView::PaintScrollBar(win::HDC dc) {
    const win::RECT whole = ClientRect();
    const win::HRGN all = win::CreateRectRgn(whole.left, whole.top, whole.right, whole.bottom);
    win::SelectObject(dc, all);
    win::DeleteObject(all);
    PaintVerticalScrollBar(dc, ScrollBar(), pressedPart_, Enabled());
}

}  // namespace framework
