#include "platform/framework/forms/Form.h"

#include <algorithm>
#include <vector>

#include "platform/framework/Exception.h"
#include "platform/framework/MulDiv.h"
#include "platform/framework/Scalable.h"
#include "platform/framework/controls/ControlMessages.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/forms/Application.h"
#include "platform/framework/forms/Screen.h"
#include "platform/framework/menus/ActionList.h"
#include "platform/framework/menus/MainMenu.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/framework/menus/PopupMenu.h"
#include "platform/gdi/DC.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/Input.h"
#include "platform/user/Menu.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/SystemMetrics.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

namespace framework {

namespace {

// As the desktop's dialogs do, a text field that Tab or the form's activation gives the focus has all its text
// selected, so that typing replaces it.
void FocusAsDialog(TWinControl* control) {
    control->SetFocus();
    if (auto* edit = dynamic_cast<TCustomEdit*>(control); edit && edit->Focused()) edit->SelectAll();
}

}  // namespace

TCustomForm::TCustomForm(TComponent* owner) : TScrollingWinControl(owner) {
    SetVisible(false);
    SetBounds(0, 0, 320, 240);
    if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    if (created_ && OnDestroy) OnDestroy(this);
    if (Screen) Screen->RemoveForm(this);
    if (menu_) menu_->SetReplacedHandler({});
    DestroyHandle();
    // Controls go first, while the form's other components are still there for them.
    for (int i = ComponentCount() - 1; i >= 0; i = std::min(i - 1, ComponentCount() - 1))
        if (auto* control = dynamic_cast<TControl*>(Components(i))) delete control;
}

void TCustomForm::SetMenu(TMainMenu* menu) {
    if (menu == menu_) return;
    if (menu_) menu_->SetReplacedHandler({});
    menu_ = menu;
    if (menu_) {
        menu_->SetReplacedHandler(TNotifyEvent::Bind<&TCustomForm::MenuReplaced>(this));
        menu_->FreeNotification(this);
    }
    if (HandleAllocated()) win::SetMenu(Handle(), menu_ ? menu_->Handle() : nullptr);
}

void TCustomForm::MenuReplaced(TObject* sender) {
    if (HandleAllocated()) win::SetMenu(Handle(), static_cast<TMainMenu*>(sender)->Handle());
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    UpdateFrameStyle();
}

void TCustomForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.style &= ~win::WS_CHILD;
    switch (borderStyle_) {
        case bsNone:
            params.style |= win::WS_POPUP;
            break;
        case bsSingle:
        case bsToolWindow:
            params.style |= win::WS_CAPTION | win::WS_SYSMENU;
            break;
        case bsDialog:
            params.style |= win::WS_CAPTION | win::WS_SYSMENU | win::WS_DLGFRAME;
            break;
        default:
            params.style |= win::WS_OVERLAPPEDWINDOW;
            break;
    }
}

void TCustomForm::CreateWnd() {
    if (menu_) win::SetMenu(Handle(), menu_->Handle());
}

win::RECT TCustomForm::ClientRect() const {
    if (HandleAllocated()) return TWinControl::ClientRect();
    if (ComponentState() & csLoading) return ClientRectIn(user::classic::GeometryAt(user::classic::kDesignDpi));
    return ClientRectIn(user::classic::Current());
}

win::RECT TCustomForm::ClientRectIn(const user::classic::Geometry& geometry) const {
    TCreateParams params;
    const_cast<TCustomForm*>(this)->CreateParams(params);
    const win::RECT insets = user::classic::NonClientInsets(params.style, params.exStyle, geometry);
    int height = Height() - insets.top - insets.bottom;
    if (menu_ && menu_->Items()->Count() > 0) height -= geometry.menuBarHeight;
    return win::RECT{0, 0, std::max(0, Width() - insets.left - insets.right), std::max(0, height)};
}

void TCustomForm::ChangeScale(int multiplier, int divisor) {
    if (multiplier == divisor) return;
    const win::RECT client = ClientRect();
    ScaleControls(multiplier, divisor);
    Font().SetHeight(MulDiv(Font().Height(), multiplier, divisor));
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* scalable = dynamic_cast<IScalable*>(Components(i))) scalable->ChangeScale(multiplier, divisor);
    // The frame is the display's own: only the client area is scaled. The form is placed when it is first shown.
    const win::RECT current = HandleAllocated() ? TWinControl::ClientRect() : ClientRectIn(user::classic::Current());
    SetBounds(Left(), Top(), Width() - current.right + MulDiv(client.right, multiplier, divisor),
              Height() - current.bottom + MulDiv(client.bottom, multiplier, divisor));
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TScrollingWinControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == menu_) menu_ = nullptr;
    if (component == activeControl_) activeControl_ = nullptr;
}

void TCustomForm::Loaded() {
    const win::HDC screen = win::GetDC(nullptr);
    const int dpi = win::GetDeviceCaps(screen, win::LOGPIXELSY);
    win::ReleaseDC(nullptr, screen);
    if (dpi > 0) ChangeScale(dpi, user::classic::kDesignDpi);
    TScrollingWinControl::Loaded();
    EnsureCreated();
}

void TCustomForm::EnsureCreated() {
    if (created_) return;
    created_ = true;
    if (OnCreate) OnCreate(this);
    if (Screen) Screen->FormCreated(this);
    // Whoever watches the application window hears of the new form before it is first painted.
    if (Application) win::PostMessage(Application->Handle(), CM_FORMLOADED, 0, reinterpret_cast<win::LPARAM>(this));
}

void TCustomForm::PlaceOnFirstShow() {
    if (placed_) return;
    placed_ = true;
    const TCustomForm* centre = nullptr;
    switch (position_) {
        case poOwnerFormCenter:
            centre = dynamic_cast<TCustomForm*>(Owner());
            break;
        case poMainFormCenter:
            centre = Application ? Application->MainForm() : nullptr;
            break;
        case poScreenCenter:
            break;
        default:
            return;
    }
    if (centre == this) centre = nullptr;
    win::RECT area{0, 0, win::GetSystemMetrics(win::SM_CXSCREEN), win::GetSystemMetrics(win::SM_CYSCREEN)};
    if (centre) area = centre->BoundsRect();
    SetBounds(area.left + (area.right - area.left - Width()) / 2, area.top + (area.bottom - area.top - Height()) / 2,
              Width(), Height());
}

void TCustomForm::Show() {
    EnsureCreated();
    PlaceOnFirstShow();
    HandleNeeded();
    if (!Visible()) {
        if (OnShow) OnShow(this);
        SetVisible(true);
    }
    win::BringWindowToTop(Handle());
    win::SetActiveWindow(Handle());
}

void TCustomForm::WndProc(TMessage& message) {
    if (const auto it = handlers_.find(message.Msg); it != handlers_.end()) {
        it->second(message);
        return;
    }
    if (DispatchMenuMessage(message, Screen ? &Screen->MenuFont() : nullptr)) return;
    switch (message.Msg) {
        case win::WM_ACTIVATE:
            if (win::LOWORD(message.WParam) != win::WA_INACTIVE) {
                if (Screen && IsProgramForm()) Screen->SetActiveForm(this);
                if (activeControl_ && activeControl_->CanFocus()) {
                    FocusAsDialog(activeControl_);
                    return;
                }
            }
            DefaultHandler(message);
            return;
        case win::WM_CLOSE:
            Close();
            return;
        case CM_DIALOGKEY: {
            // The focused control answers first, so Enter presses a focused button rather than the default one;
            // otherwise the first control that takes Enter or Escape (a default or cancel button) answers it.
            TWinControl* focused = FindControl(win::GetFocus());
            if (focused && focused != this && focused->ParentForm() == this && focused->Enabled() &&
                focused->Perform(CM_DIALOGKEY, message.WParam, 0)) {
                message.Result = 1;
                return;
            }
            if (OfferToControls(CM_DIALOGKEY, message.WParam)) message.Result = 1;
            return;
        }
        case CM_DIALOGCHAR:
            if (OfferToControls(CM_DIALOGCHAR, message.WParam)) message.Result = 1;
            return;
        case CM_FOCUSCHANGED:
            // Remembered so that the focus comes back to it when the form is activated again.
            if (auto* focused = reinterpret_cast<TWinControl*>(message.LParam); focused && focused != this) {
                activeControl_ = focused;
                focused->FreeNotification(this);
            }
            break;
        case win::WM_SETFOCUS:
            // A form hands the focus on to its active control.
            if (activeControl_ && activeControl_->CanFocus() && activeControl_ != this) {
                FocusAsDialog(activeControl_);
                return;
            }
            break;
        case CM_VISIBLECHANGED:
            if (HandleAllocated()) win::ShowWindow(Handle(), Visible() ? win::SW_SHOW : win::SW_HIDE);
            if (!Visible() && OnHide) OnHide(this);
            return;
        default:
            break;
    }
    TScrollingWinControl::WndProc(message);
}

bool TCustomForm::OfferToControls(win::UINT msg, win::WPARAM wParam) {
    std::vector<TControl*> pending(1, this);
    while (!pending.empty()) {
        TControl* c = pending.back();
        pending.pop_back();
        if (c != this && c->Visible() && c->Enabled() && c->Perform(msg, wParam, 0)) return true;
        if (auto* windowed = dynamic_cast<TWinControl*>(c))
            for (int i = windowed->ControlCount() - 1; i >= 0; --i) pending.push_back(windowed->Controls(i));
    }
    return false;
}

void TCustomForm::Paint() {
    if (OnPaint) OnPaint(this);
}

void TCustomForm::Resize() {
    if (OnResize) OnResize(this);
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    if (OnClose) OnClose(this, action);
    if (action == caNone) return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
    } else if (action == caFree) {
        Release();
    } else {
        Hide();
    }
}

void TCustomForm::Release() {
    if (Application) Application->ReleaseForm(this);
}

bool TCustomForm::CloseModal() {
    if (!CloseQuery()) {
        modalResult_ = mrNone;
        return false;
    }
    TCloseAction action = caHide;
    if (OnClose) OnClose(this, action);
    if (action == caNone) {
        modalResult_ = mrNone;
        return false;
    }
    return true;
}

TModalResult TCustomForm::ShowModal() {
    if (!Application) throw Exception("A modal form needs a running application");
    EnsureCreated();
    HandleNeeded();
    // The window that opened this one owns it while it runs, so that it stays above that window (a window manager
    // keeps it there too), and gets the keyboard back afterwards.
    const win::HWND opener = ModalOpener();
    win::SetWindowLong(Handle(), win::GWL_HWNDPARENT, reinterpret_cast<win::LONG_PTR>(opener));
    std::vector<win::HWND> disabled;
    if (Screen) {
        for (int i = 0; i < Screen->FormCount(); ++i) {
            TCustomForm* form = Screen->Forms(i);
            if (form == this || !form->HandleAllocated() || !win::IsWindowEnabled(form->Handle())) continue;
            win::EnableWindow(form->Handle(), win::FALSE);
            disabled.push_back(form->Handle());
        }
    }
    modal_ = true;
    modalResult_ = mrNone;
    try {
        Show();
        while (true) {
            Application->HandleMessage();
            if (Application->Terminated()) {
                if (modalResult_ == mrNone) modalResult_ = mrCancel;
                break;
            }
            if (modalResult_ != mrNone && CloseModal()) break;
        }
    } catch (...) {
        modal_ = false;
        for (win::HWND hwnd : disabled) win::EnableWindow(hwnd, win::TRUE);
        throw;
    }
    modal_ = false;
    for (win::HWND hwnd : disabled) win::EnableWindow(hwnd, win::TRUE);
    Hide();
    if (opener && win::IsWindowVisible(opener) && win::IsWindowEnabled(opener)) win::SetActiveWindow(opener);
    return modalResult_;
}

win::HWND TCustomForm::ModalOpener() {
    const win::HWND active = win::GetActiveWindow();
    if (active && active != Handle() && win::IsWindowVisible(active)) return active;
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    return main && main != this && main->HandleAllocated() && main->Visible() ? main->Handle() : nullptr;
}

bool TCustomForm::Active() const { return Screen && Screen->ActiveForm() == this; }

void TCustomForm::SetActiveControl(TWinControl* control) {
    activeControl_ = control;
    if (control) {
        control->FreeNotification(this);
        if (Active() && control->CanFocus()) control->SetFocus();
    }
}

void TCustomForm::Activated() {
    if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivated() {
    if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::SetMessageHandler(win::UINT msg, TMessageHandler handler) {
    if (handler) {
        handlers_[msg] = handler;
    } else {
        handlers_.erase(msg);
    }
}

bool TCustomForm::IsShortCut(TShortCut shortCut) {
    if (menu_ && menu_->IsShortCut(shortCut)) return true;
    for (int i = 0; i < ComponentCount(); ++i) {
        if (auto* list = dynamic_cast<TActionList*>(Components(i)); list && list->IsShortCut(shortCut)) return true;
    }
    for (int i = 0; i < ComponentCount(); ++i) {
        if (auto* popup = dynamic_cast<TPopupMenu*>(Components(i)); popup && popup->IsShortCut(shortCut)) return true;
    }
    return false;
}

void TCustomForm::SelectNext(bool forward) {
    std::vector<TWinControl*> stops;
    std::vector<TWinControl*> pending{this};
    while (!pending.empty()) {
        TWinControl* c = pending.back();
        pending.pop_back();
        if (c != this && c->IsTabStop() && c->CanFocus()) stops.push_back(c);
        for (int i = c->ControlCount() - 1; i >= 0; --i)
            if (auto* child = dynamic_cast<TWinControl*>(c->Controls(i)); child && child->Visible())
                pending.push_back(child);
    }
    if (stops.empty()) return;
    const auto current = std::find_if(stops.begin(), stops.end(), [](TWinControl* c) { return c->Focused(); });
    std::size_t index = 0;
    if (current != stops.end()) {
        const auto at = static_cast<std::size_t>(current - stops.begin());
        index = forward ? (at + 1) % stops.size() : (at + stops.size() - 1) % stops.size();
    } else if (!forward) {
        index = stops.size() - 1;
    }
    FocusAsDialog(stops[index]);
}

void TCustomForm::UpdateActions() {
    for (int i = 0; i < ComponentCount(); ++i) {
        if (auto* list = dynamic_cast<TActionList*>(Components(i))) list->UpdateActions();
    }
    for (int i = 0; i < ComponentCount(); ++i) {
        if (auto* action = dynamic_cast<TAction*>(Components(i)); action && !action->ActionList()) action->Update();
    }
}

}  // namespace framework
