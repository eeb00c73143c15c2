#include "platform/framework/controls/ToolButton.h"

#include "platform/framework/controls/ClassicPainter.h"
#include "platform/framework/controls/ControlMessages.h"
#include "platform/framework/controls/ToolBar.h"
#include "platform/framework/graphics/ImageList.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/framework/menus/PopupMenu.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/user/Messages.h"

namespace framework {

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

TToolButton::~TToolButton() {
    if (TToolBar* bar = ToolBar()) bar->RemoveButton(this);
}

void TToolButton::SetParent(TWinControl* parent) {
    if (TToolBar* bar = ToolBar()) bar->RemoveButton(this);
    TGraphicControl::SetParent(parent);
    if (TToolBar* bar = ToolBar()) bar->AddButton(this);
}

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(Parent()); }

void TToolButton::SetStyle(TToolButtonStyle style) {
    style_ = style;
    if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
}

void TToolButton::SetImageIndex(int index) {
    imageIndex_ = index;
    Invalidate();
}

void TToolButton::SetDown(bool down) {
    if (down == down_) return;
    down_ = down;
    Invalidate();
}

void TToolButton::SetMenuItem(TMenuItem* item) {
    menuItem_ = item;
    if (item) {
        item->FreeNotification(this);
        SetCaption(item->Caption());
        SetImageIndex(item->ImageIndex());
        SetEnabled(item->Enabled());
    }
}

void TToolButton::SetDropdownMenu(TPopupMenu* menu) {
    dropdownMenu_ = menu;
    if (menu) menu->FreeNotification(this);
}

int TToolButton::Index() const {
    TToolBar* bar = ToolBar();
    for (int i = 0; bar && i < bar->ButtonCount(); ++i)
        if (bar->Buttons(i) == this) return i;
    return -1;
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == menuItem_) menuItem_ = nullptr;
    if (component == dropdownMenu_) dropdownMenu_ = nullptr;
}

void TToolButton::ActionChanged(TActionChange change) {
    TGraphicControl::ActionChanged(change);
    if (Action() && (change == TActionChange::All || change == TActionChange::ImageIndex))
        SetImageIndex(Action()->ImageIndex());
}

void TToolButton::Click() {
    if (style_ == tbsSeparator || style_ == tbsDivider) return;
    if (style_ == tbsCheck) SetDown(!down_);
    if (menuItem_) {
        menuItem_->Click();
        return;
    }
    TGraphicControl::Click();
    if (style_ == tbsDropDown && dropdownMenu_) {
        const win::POINT below = ClientToScreen(win::POINT{0, Height()});
        dropdownMenu_->SetPopupComponent(this);
        dropdownMenu_->Popup(below.x, below.y);
    }
}

void TToolButton::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_MOUSEENTER:
        case CM_MOUSELEAVE:
            hot_ = message.Msg == CM_MOUSEENTER && Enabled();
            Invalidate();
            break;
        case win::WM_LBUTTONDOWN:
        case win::WM_LBUTTONUP:
            TGraphicControl::WndProc(message);
            Invalidate();
            return;
        case CM_TEXTCHANGED:
            // The caption decides the width on a bar that shows captions.
            TGraphicControl::WndProc(message);
            if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
            return;
        default:
            break;
    }
    TGraphicControl::WndProc(message);
}

void TToolButton::Paint() {
    TToolBar* bar = ToolBar();
    const win::HDC dc = Canvas().Handle();
    const win::RECT r = ClientRect();
    if (style_ == tbsSeparator || style_ == tbsDivider) {
        if (style_ == tbsDivider || (bar && bar->Flat())) {
            const int x = r.right / 2 - 1;
            gdi::Line(dc, x, 0, x, r.bottom, win::GetSysColor(win::COLOR_BTNSHADOW));
            gdi::Line(dc, x + 1, 0, x + 1, r.bottom, win::GetSysColor(win::COLOR_BTNHIGHLIGHT));
        }
        return;
    }
    if (bar && bar->OnCustomDrawButton) {
        TCustomDrawState state = 0;
        if (Pressed()) state |= cdsSelected;
        if (!Enabled()) state |= cdsDisabled;
        if (down_) state |= cdsChecked;
        if (hot_) state |= cdsHot;
        bool defaultDraw = true;
        bar->OnCustomDrawButton(bar, this, state, defaultDraw);
        if (!defaultDraw) return;
    }
    const bool sunken = Pressed() || down_;
    win::RECT edge = r;
    if (sunken) {
        gdi::Bevel(dc, edge, win::GetSysColor(win::COLOR_BTNSHADOW), win::GetSysColor(win::COLOR_BTNHIGHLIGHT), 1);
    } else if (hot_ || !(bar && bar->Flat())) {
        gdi::Bevel(dc, edge, win::GetSysColor(win::COLOR_BTNHIGHLIGHT), win::GetSysColor(win::COLOR_BTNSHADOW), 1);
    }
    const int shift = sunken ? 1 : 0;
    TImageList* images = bar ? bar->Images() : nullptr;
    int textTop = (r.bottom - 13) / 2;
    if (images && imageIndex_ >= 0) {
        const bool captions = bar->ShowCaptions() && !Caption().empty();
        const int x = (r.right - images->Width()) / 2 + shift;
        const int y = (captions ? 3 : (r.bottom - images->Height()) / 2) + shift;
        TImageList* drawn = images;
        if (!Enabled() && bar->DisabledImages()) drawn = bar->DisabledImages();
        if (hot_ && bar->HotImages()) drawn = bar->HotImages();
        drawn->Draw(Canvas(), x, y, imageIndex_, Enabled() || drawn != images);
        textTop = y + images->Height() + 1;
    }
    if (bar && bar->ShowCaptions() && !Caption().empty()) {
        const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
        win::RECT text{shift, textTop, r.right + shift, r.bottom};
        classic::ButtonText(dc, Caption(), text, win::DT_SINGLELINE | win::DT_CENTER, Enabled());
        win::SelectObject(dc, old);
    }
}

}  // namespace framework
