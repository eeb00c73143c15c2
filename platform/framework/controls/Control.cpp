#include "platform/framework/controls/Control.h"

#include "platform/framework/MulDiv.h"
#include "platform/framework/controls/ControlMessages.h"
#include "platform/framework/controls/HintWindow.h"
#include "platform/framework/controls/WinControl.h"
#include "platform/framework/menus/PopupMenu.h"
#include "platform/gdi/Text.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"

namespace framework {

namespace {

TControl* controlUnderMouse = nullptr;
TControl* captureControl = nullptr;

}  // namespace

TControl* ControlUnderMouse() { return controlUnderMouse; }

TControl* CaptureControl() { return captureControl; }

void SetControlUnderMouse(TControl* control) {
    if (control == controlUnderMouse) return;
    TControl* previous = controlUnderMouse;
    controlUnderMouse = control;
    if (previous) previous->Perform(CM_MOUSELEAVE, 0, 0);
    if (control) control->Perform(CM_MOUSEENTER, 0, 0);
    HintMouseEntered(control);
}

TControl::TControl(TComponent* owner) : TComponent(owner), windowProc_(TWndMethod::Bind<&TControl::WndProc>(this)) {
    font_.OnChange = [this] { Perform(CM_FONTCHANGED, 0, 0); };
}

TControl::~TControl() {
    if (controlUnderMouse == this) controlUnderMouse = nullptr;
    if (captureControl == this) captureControl = nullptr;
    SetAction(nullptr);
    font_.OnChange = nullptr;
    // Windowed controls leave their parent in their own destructor, while they are still windowed controls.
    if (parent_) TControl::SetParent(nullptr);
}

win::LRESULT TControl::Perform(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    windowProc_(message);
    return message.Result;
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent_) {
        Invalidate();
        parent_->RemoveControl(this);
    }
    parent_ = parent;
    if (parent_) {
        parent_->InsertControl(this);
        if (parentFont_) font_.Assign(parent_->Font());
        if (parentColor_) color_ = parent_->Color();
        Invalidate();
    }
}

void TControl::SetParentColor(bool parentColor) {
    parentColor_ = parentColor;
    if (parentColor_ && parent_) SetColor(parent_->Color());
}

void TControl::SetParentFont(bool parentFont) {
    parentFont_ = parentFont;
    if (parentFont_ && parent_) font_.Assign(parent_->Font());
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Invalidate();
}

void TControl::ChangeScale(int multiplier, int divisor) {
    if (multiplier == divisor) return;
    const int left = MulDiv(left_, multiplier, divisor);
    const int top = MulDiv(top_, multiplier, divisor);
    SetBounds(left, top, MulDiv(left_ + width_, multiplier, divisor) - left,
              MulDiv(top_ + height_, multiplier, divisor) - top);
    // After the bounds, so that a control that sizes itself to its font (a label) ends up sized to the new one.
    font_.SetHeight(MulDiv(font_.Height(), multiplier, divisor));
}

void TControl::UpdateBoundsFromWindow(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TControl::SetClientSize(int width, int height) {
    const win::RECT client = ClientRect();
    SetBounds(left_, top_, width_ + width - client.right, height_ + height - client.bottom);
}

win::POINT TControl::ClientOrigin() const {
    if (!parent_) return win::POINT{left_, top_};
    const win::POINT origin = parent_->ClientOrigin();
    return win::POINT{origin.x + left_, origin.y + top_};
}

win::POINT TControl::ClientToScreen(win::POINT point) const {
    const win::POINT origin = ClientOrigin();
    return win::POINT{point.x + origin.x, point.y + origin.y};
}

win::POINT TControl::ScreenToClient(win::POINT point) const {
    const win::POINT origin = ClientOrigin();
    return win::POINT{point.x - origin.x, point.y - origin.y};
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    if (!visible) Invalidate();
    visible_ = visible;
    Perform(CM_VISIBLECHANGED, visible, 0);
    if (visible) Invalidate();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Perform(CM_ENABLEDCHANGED, enabled, 0);
}

void TControl::SetColor(TColor color) {
    if (parent_ && color != parent_->Color()) parentColor_ = false;
    if (color == color_) return;
    color_ = color;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetCtl3D(bool ctl3D) {
    if (ctl3D == ctl3D_) return;
    ctl3D_ = ctl3D;
    Perform(CM_CTL3DCHANGED, 0, 0);
}

void TControl::SetBiDiMode(TBiDiMode mode) {
    if (mode == biDiMode_) return;
    biDiMode_ = mode;
    Invalidate();
}

bool TControl::UseRightToLeftReading() const { return biDiMode_ != bdLeftToRight; }

bool TControl::UseRightToLeftAlignment() const { return biDiMode_ == bdRightToLeft; }

win::UINT TControl::DrawTextBiDiModeFlags(win::UINT flags) const {
    if (UseRightToLeftAlignment()) {
        if ((flags & (win::DT_CENTER | win::DT_RIGHT)) == 0) {
            flags |= win::DT_RIGHT;
        } else if (flags & win::DT_RIGHT) {
            flags &= ~win::DT_RIGHT;
        }
    }
    if (UseRightToLeftReading()) flags |= win::DT_RTLREADING;
    return flags;
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    popupMenu_ = menu;
    if (menu) menu->FreeNotification(this);
}

void TControl::ActionChanged(TActionChange change) {
    TAction* action = Action();
    if (!action) return;
    const bool all = change == TActionChange::All;
    if (all || change == TActionChange::Caption) SetCaption(action->Caption());
    if (all || change == TActionChange::Enabled) SetEnabled(action->Enabled());
    if (all || change == TActionChange::Hint) SetHint(action->Hint());
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

void TControl::Invalidate() {
    if (parent_ && visible_ && parent_->HandleAllocated()) {
        const win::RECT r = BoundsRect();
        win::InvalidateRect(parent_->Handle(), &r, win::TRUE);
    }
}

void TControl::Update() {
    if (parent_) parent_->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

bool TControl::MouseCapture() const { return captureControl == this; }

void TControl::SetMouseCapture(bool capture) {
    if (capture == MouseCapture()) return;
    auto* self = dynamic_cast<TWinControl*>(this);
    TWinControl* window = self ? self : parent_;
    if (capture) {
        captureControl = this;
        if (window && window->HandleAllocated()) win::SetCapture(window->Handle());
    } else {
        captureControl = nullptr;
        win::ReleaseCapture();
    }
}

TCustomForm* TControl::ParentForm() const { return TopParent()->AsForm(); }

TControl* TControl::TopParent() const {
    const TControl* c = this;
    while (c->parent_) c = c->parent_;
    return const_cast<TControl*>(c);
}

void TControl::Click() {
    // A linked action runs unless the control has its own handler.
    if (OnClick) {
        OnClick(this);
    } else if (TAction* action = Action()) {
        action->Execute();
    }
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::WndProc(TMessage& message) {
    switch (message.Msg) {
        case win::WM_LBUTTONDOWN:
        case win::WM_LBUTTONDBLCLK:
        case win::WM_LBUTTONUP:
        case win::WM_RBUTTONDOWN:
        case win::WM_RBUTTONUP:
        case win::WM_MOUSEMOVE:
            HandleMouse(message);
            return;
        case CM_PARENTCOLORCHANGED:
            if (parentColor_ && parent_) SetColor(parent_->Color());
            return;
        case CM_ENABLEDCHANGED:
        case CM_COLORCHANGED:
        case CM_FONTCHANGED:
        case CM_TEXTCHANGED:
            Invalidate();
            return;
        default:
            DefaultHandler(message);
    }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::HandleMouse(TMessage& message) {
    const int x = win::GET_X_LPARAM(message.LParam);
    const int y = win::GET_Y_LPARAM(message.LParam);
    TShiftState shift = CurrentShiftState();
    switch (message.Msg) {
        case win::WM_LBUTTONDOWN:
        case win::WM_LBUTTONDBLCLK:
            if (!enabled_) return;
            pressed_ = true;
            SetMouseCapture(true);
            if (message.Msg == win::WM_LBUTTONDBLCLK) {
                shift |= ssDouble;
                DblClick();
            }
            MouseDown(mbLeft, shift | ssLeft, x, y);
            return;
        case win::WM_LBUTTONUP: {
            const bool wasPressed = pressed_;
            pressed_ = false;
            SetMouseCapture(false);
            if (!enabled_) return;
            const win::RECT client = ClientRect();
            if (wasPressed && x >= 0 && y >= 0 && x < client.right && y < client.bottom) ClickedByMouse();
            MouseUp(mbLeft, shift, x, y);
            return;
        }
        case win::WM_RBUTTONDOWN:
            if (enabled_) MouseDown(mbRight, shift | ssRight, x, y);
            return;
        case win::WM_RBUTTONUP:
            if (!enabled_) return;
            MouseUp(mbRight, shift, x, y);
            if (popupMenu_ && popupMenu_->AutoPopup()) {
                const win::POINT at = ClientToScreen(win::POINT{x, y});
                popupMenu_->SetPopupComponent(this);
                popupMenu_->Popup(at.x, at.y);
            }
            return;
        case win::WM_MOUSEMOVE:
            MouseMove(shift, x, y);
            return;
        default:
            return;
    }
}

}  // namespace framework
