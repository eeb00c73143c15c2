#include "platform/framework/controls/ComboList.h"

#include <algorithm>

#include "platform/framework/controls/ComboBox.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"
#include "platform/user/WindowStyles.h"

namespace framework {

TComboList::TComboList(TComboBox* combo) : TWinControl(nullptr), combo_(combo) {
    Font().Assign(combo->Font());
    SetColor(clWindow);
    hot_ = combo->ItemIndex();
    const int rows = std::clamp(combo->Items().Count(), 1, combo->DropDownCount());
    const win::POINT below = combo->ClientToScreen(win::POINT{0, combo->ClientHeight()});
    SetBounds(below.x - 2, below.y + 2, combo->Width(), rows * ItemHeight() + 2);
    HandleNeeded();
    win::SetCapture(Handle());
}

TComboList::~TComboList() {
    if (HandleAllocated() && win::GetCapture() == Handle()) win::ReleaseCapture();
}

int TComboList::ItemHeight() const { return std::max(13, -Font().Height() + 4); }

void TComboList::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.style = win::WS_POPUP | win::WS_BORDER | win::WS_VISIBLE;
    params.exStyle = win::WS_EX_TOPMOST;
}

int TComboList::IndexAt(int y) const {
    const int index = y / ItemHeight();
    return y >= 0 && index < combo_->Items().Count() ? index : -1;
}

void TComboList::WndProc(TMessage& message) {
    const int x = win::GET_X_LPARAM(message.LParam);
    const int y = win::GET_Y_LPARAM(message.LParam);
    const bool inside = x >= 0 && y >= 0 && x < ClientWidth() && y < ClientHeight();
    switch (message.Msg) {
        case win::WM_MOUSEMOVE:
            if (inside && IndexAt(y) != hot_ && IndexAt(y) >= 0) {
                hot_ = IndexAt(y);
                Invalidate();
            }
            return;
        case win::WM_LBUTTONDOWN:
            // A press outside the list closes it.
            if (!inside) combo_->SetDroppedDown(false);
            return;
        case win::WM_LBUTTONUP:
            if (inside && IndexAt(y) >= 0) combo_->ListPicked(IndexAt(y));
            return;
        default:
            TWinControl::WndProc(message);
    }
}

void TComboList::Paint() {
    const win::HDC dc = Canvas().Handle();
    const win::RECT r = ClientRect();
    gdi::FillSolid(dc, r, win::GetSysColor(win::COLOR_WINDOW));
    const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
    win::SetBkMode(dc, win::TRANSPARENT);
    for (int i = 0; i < combo_->Items().Count(); ++i) {
        const win::RECT row{0, i * ItemHeight(), r.right, (i + 1) * ItemHeight()};
        if (row.top >= r.bottom) break;
        const bool hot = i == hot_;
        if (hot) gdi::FillSolid(dc, row, win::GetSysColor(win::COLOR_HIGHLIGHT));
        win::SetTextColor(dc, win::GetSysColor(hot ? win::COLOR_HIGHLIGHTTEXT : win::COLOR_WINDOWTEXT));
        win::RECT text{row.left + 2, row.top, row.right - 2, row.bottom};
        win::DrawText(dc, combo_->Items().Strings(i).c_str(), -1, &text,
                      win::DT_SINGLELINE | win::DT_VCENTER | win::DT_NOPREFIX);
    }
    win::SelectObject(dc, old);
}

}  // namespace framework
