#include "platform/framework/controls/WinControl.h"

#include <algorithm>
#include <exception>
#include <set>

#include <unordered_map>

#include "platform/framework/Exception.h"
#include "platform/framework/controls/ControlMessages.h"
#include "platform/framework/controls/HintWindow.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

namespace framework {

namespace {

std::unordered_map<win::HWND, TWinControl*>& Windows() {
    static std::unordered_map<win::HWND, TWinControl*> windows;
    return windows;
}

// The control whose window is being made: its first messages arrive before CreateWindowEx returns.
TWinControl* creating = nullptr;

TExceptionHandler exceptionHandler;

void RegisterWindowClass(const char* name, win::WNDPROC procedure) {
    static std::set<std::string> registered;
    if (!registered.insert(name).second) return;
    win::WNDCLASS wc;
    wc.style = win::CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.lpszClassName = name;
    win::RegisterClass(&wc);
}

}  // namespace

TWinControl* FindControl(win::HWND hwnd) {
    const auto it = Windows().find(hwnd);
    return it == Windows().end() ? nullptr : it->second;
}

void SetControlExceptionHandler(TExceptionHandler handler) { exceptionHandler = handler; }

win::LRESULT ControlWindowProcedure(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    TWinControl* control = FindControl(hwnd);
    if (!control && creating) {
        control = creating;
        control->handle_ = hwnd;
        Windows()[hwnd] = control;
    }
    if (!control) return win::DefWindowProc(hwnd, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    try {
        control->WindowProc()(message);
    } catch (const std::exception& e) {
        if (exceptionHandler) {
            exceptionHandler(e);
        } else {
            throw;
        }
    }
    if (msg == win::WM_DESTROY) {
        if (TWinControl* still = FindControl(hwnd)) still->HandleDestroyed();
    }
    return message.Result;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) { brush_.SetColor(Color()); }

TWinControl::~TWinControl() {
    DestroyHandle();
    while (!controls_.empty()) delete controls_.back();
    if (parent_) TControl::SetParent(nullptr);
}

win::HWND TWinControl::Handle() {
    if (!handle_) CreateHandle();
    return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.style = win::WS_CLIPCHILDREN;
    if (parent_) params.style |= win::WS_CHILD;
    if (Visible()) params.style |= win::WS_VISIBLE;
    if (!Enabled()) params.style |= win::WS_DISABLED;
    params.x = Left();
    params.y = Top();
    params.width = Width();
    params.height = Height();
}

void TWinControl::CreateHandle() {
    if (handle_) return;
    if (parent_ && !parent_->HandleAllocated()) {
        // The parent's window brings its children's along.
        parent_->HandleNeeded();
        if (handle_) return;
    }
    TCreateParams params;
    CreateParams(params);
    if (parent_) params.parent = parent_->Handle();
    const std::string className = ClassName();
    RegisterWindowClass(className.c_str(), &ControlWindowProcedure);
    TWinControl* outer = creating;
    creating = this;
    const win::HWND hwnd =
        win::CreateWindowEx(params.exStyle, className.c_str(), Caption().c_str(), params.style, params.x, params.y,
                            params.width, params.height, params.parent, nullptr, nullptr);
    creating = outer;
    if (!hwnd) throw Exception("Cannot create a window for " + className);
    handle_ = hwnd;
    Windows()[hwnd] = this;
    CreateWnd();
    const auto children = controls_;
    for (TControl* child : children)
        if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->CreateHandle();
}

void TWinControl::DestroyHandle() {
    if (handle_) win::DestroyWindow(handle_);
}

void TWinControl::HandleDestroyed() {
    Windows().erase(handle_);
    handle_ = nullptr;
}

void TWinControl::RecreateWnd() {
    if (!handle_) return;
    DestroyHandle();
    CreateHandle();
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (handle_) DestroyHandle();
    TControl::SetParent(parent);
    if (parent_ && parent_->HandleAllocated()) CreateHandle();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (left == Left() && top == Top() && width == Width() && height == Height()) return;
    UpdateBoundsFromWindow(left, top, width, height);
    if (handle_) {
        win::MoveWindow(handle_, left, top, width, height, win::TRUE);
    } else {
        Resize();
    }
}

void TWinControl::ChangeScale(int multiplier, int divisor) {
    if (multiplier == divisor) return;
    ScaleControls(multiplier, divisor);
    TControl::ChangeScale(multiplier, divisor);
}

void TWinControl::ScaleControls(int multiplier, int divisor) {
    const auto children = controls_;
    for (TControl* child : children) child->ChangeScale(multiplier, divisor);
}

win::RECT TWinControl::ClientRect() const {
    win::RECT r{};
    if (handle_) {
        win::GetClientRect(handle_, &r);
        return r;
    }
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    const win::RECT insets = user::classic::NonClientInsets(params.style, params.exStyle);
    return win::RECT{0, 0, std::max(0, Width() - insets.left - insets.right),
                     std::max(0, Height() - insets.top - insets.bottom)};
}

win::POINT TWinControl::ClientOrigin() const {
    if (!handle_) return TControl::ClientOrigin();
    win::POINT origin{0, 0};
    win::ClientToScreen(handle_, &origin);
    return origin;
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(win::POINT point) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
        const win::RECT r = c->BoundsRect();
        if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom) return c;
    }
    return nullptr;
}

bool TWinControl::Focused() const { return handle_ && win::GetFocus() == handle_; }

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus() { win::SetFocus(Handle()); }

int TWinControl::TabOrder() const {
    if (!parent_) return 0;
    int order = 0;
    for (int i = 0; i < parent_->ControlCount(); ++i) {
        TControl* c = parent_->Controls(i);
        if (c == this) return order;
        if (dynamic_cast<TWinControl*>(c)) ++order;
    }
    return order;
}

void TWinControl::Invalidate() {
    Perform(CM_INVALIDATE, 0, 0);
    if (handle_) win::InvalidateRect(handle_, nullptr, win::TRUE);
}

void TWinControl::Update() {
    if (handle_) win::UpdateWindow(handle_);
}

void TWinControl::Repaint() {
    Invalidate();
    Update();
}

void TWinControl::InsertControl(TControl* control) { controls_.push_back(control); }

void TWinControl::RemoveControl(TControl* control) { std::erase(controls_, control); }

void TWinControl::UpdateFrameStyle() {
    if (!handle_) return;
    TCreateParams params;
    CreateParams(params);
    const win::DWORD kept =
        static_cast<win::DWORD>(win::GetWindowLong(handle_, win::GWL_STYLE)) & (win::WS_VISIBLE | win::WS_DISABLED);
    win::SetWindowLong(handle_, win::GWL_STYLE, (params.style & ~(win::WS_VISIBLE | win::WS_DISABLED)) | kept);
    win::SetWindowLong(handle_, win::GWL_EXSTYLE, params.exStyle);
    win::SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                      win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE);
    win::SendMessage(handle_, win::WM_NCPAINT, 0, 0);
    win::InvalidateRect(handle_, nullptr, win::TRUE);
}

void TWinControl::KeyDown(int& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(int& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (handle_) message.Result = win::DefWindowProc(handle_, message.Msg, message.WParam, message.LParam);
}

void TWinControl::PaintHandler() {
    win::PAINTSTRUCT ps;
    const win::HDC dc = win::BeginPaint(handle_, &ps);
    if (!dc) return;
    canvas_.SetHandle(dc);
    canvas_.Font().Assign(Font());
    canvas_.Brush().SetColor(Color());
    canvas_.Brush().SetStyle(bsSolid);
    Paint();
    PaintControls(dc);
    canvas_.SetHandle(nullptr);
    win::EndPaint(handle_, &ps);
}

void TWinControl::PaintControls(win::HDC dc) {
    const auto children = controls_;
    for (TControl* c : children) {
        if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
        const win::HDC moved = gdi::CreateMovedDC(dc, c->BoundsRect());
        if (!moved) continue;
        c->Perform(win::WM_PAINT, reinterpret_cast<win::WPARAM>(moved), 0);
        win::DeleteDC(moved);
    }
}

bool TWinControl::RouteMouseToChild(TMessage& message) {
    const win::POINT point{win::GET_X_LPARAM(message.LParam), win::GET_Y_LPARAM(message.LParam)};
    TControl* target = CaptureControl();
    if (target && (target == this || target->Parent() != this)) target = nullptr;
    if (!target && !CaptureControl()) target = ControlAtPos(point);
    if (!target) return false;
    if (!target->Enabled() && message.Msg != win::WM_MOUSEMOVE) return true;
    const win::LPARAM moved = win::MAKELPARAM(point.x - target->Left(), point.y - target->Top());
    target->Perform(message.Msg, message.WParam, moved);
    return true;
}

void TWinControl::TrackMouse(TMessage& message) {
    const win::POINT point{win::GET_X_LPARAM(message.LParam), win::GET_Y_LPARAM(message.LParam)};
    TControl* over = ControlAtPos(point);
    SetControlUnderMouse(over ? over : this);
}

void TWinControl::BroadcastFocusChanged() {
    if (!ParentForm()) return;
    std::vector<TControl*> pending{TopParent()};
    while (!pending.empty()) {
        TControl* c = pending.back();
        pending.pop_back();
        c->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<win::LPARAM>(this));
        if (auto* windowed = dynamic_cast<TWinControl*>(c))
            for (int i = windowed->ControlCount() - 1; i >= 0; --i) pending.push_back(windowed->Controls(i));
    }
}

void TWinControl::WndProc(TMessage& message) {
    if (HidesHint(message.Msg)) CancelHint();
    switch (message.Msg) {
        case win::WM_PAINT:
            PaintHandler();
            return;
        case win::WM_ERASEBKGND:
            if (ErasesBackground()) {
                const win::RECT r = ClientRect();
                const win::HBRUSH b = win::CreateSolidBrush(gdi::ResolveColor(Color()));
                win::FillRect(reinterpret_cast<win::HDC>(message.WParam), &r, b);
                win::DeleteObject(b);
            }
            message.Result = 1;
            return;
        case win::WM_WINDOWPOSCHANGED: {
            win::RECT r;
            win::GetWindowRect(handle_, &r);
            win::POINT topLeft{r.left, r.top};
            if (parent_ && parent_->HandleAllocated()) win::ScreenToClient(parent_->Handle(), &topLeft);
            UpdateBoundsFromWindow(topLeft.x, topLeft.y, r.right - r.left, r.bottom - r.top);
            DefaultHandler(message);
            Resize();
            return;
        }
        case win::WM_MOUSEMOVE:
            TrackMouse(message);
            if (RouteMouseToChild(message)) return;
            break;
        case win::WM_LBUTTONDOWN:
        case win::WM_LBUTTONDBLCLK:
            if (RouteMouseToChild(message)) return;
            if (Enabled() && FocusOnClick() && CanFocus() && !Focused()) SetFocus();
            break;
        case win::WM_LBUTTONUP:
        case win::WM_RBUTTONDOWN:
        case win::WM_RBUTTONUP:
            if (RouteMouseToChild(message)) return;
            break;
        case win::WM_KEYDOWN:
        case win::WM_KEYUP: {
            int key = static_cast<int>(message.WParam);
            if (message.Msg == win::WM_KEYDOWN) {
                KeyDown(key, CurrentShiftState());
            } else {
                KeyUp(key, CurrentShiftState());
            }
            return;
        }
        case win::WM_CHAR: {
            char32_t key = static_cast<char32_t>(message.WParam);
            KeyPress(key);
            return;
        }
        case win::WM_SETFOCUS:
            BroadcastFocusChanged();
            Perform(CM_ENTER, 0, 0);
            if (handle_) win::InvalidateRect(handle_, nullptr, win::FALSE);
            return;
        case win::WM_KILLFOCUS:
            Perform(CM_EXIT, 0, 0);
            if (handle_) win::InvalidateRect(handle_, nullptr, win::FALSE);
            return;
        case CM_ENTER:
            if (OnEnter) OnEnter(this);
            return;
        case CM_EXIT:
            if (OnExit) OnExit(this);
            return;
        case CM_COLORCHANGED:
            brush_.SetColor(Color());
            Invalidate();
            for (TControl* c : controls_) c->Perform(CM_PARENTCOLORCHANGED, 0, 0);
            return;
        case CM_CTL3DCHANGED:
            UpdateFrameStyle();
            for (TControl* c : controls_) c->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
            return;
        case CM_ENABLEDCHANGED:
            if (handle_) win::EnableWindow(handle_, Enabled());
            Invalidate();
            return;
        case CM_VISIBLECHANGED:
            if (handle_) win::ShowWindow(handle_, Visible() ? win::SW_SHOWNOACTIVATE : win::SW_HIDE);
            return;
        case CM_TEXTCHANGED:
            if (handle_) win::SetWindowText(handle_, Caption().c_str());
            Invalidate();
            return;
        default:
            break;
    }
    TControl::WndProc(message);
}

}  // namespace framework
