#include "platform/framework/controls/Timer.h"

#include <exception>

#include "platform/framework/controls/Application.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

namespace framework {

namespace {

constexpr const char* kWindowClass = "TTimerWindow";
constexpr win::UINT_PTR kTimerId = 1;

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    win::WNDCLASS wc;
    wc.lpfnWndProc = &TTimer::Procedure;
    wc.lpszClassName = kWindowClass;
    win::RegisterClass(&wc);
    window_ = win::CreateWindowEx(0, kWindowClass, "", win::WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr);
    win::SetWindowLong(window_, win::GWL_USERDATA, reinterpret_cast<win::LONG_PTR>(this));
    UpdateTimer();
}

TTimer::~TTimer() {
    win::KillTimer(window_, kTimerId);
    win::DestroyWindow(window_);
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned interval) {
    if (interval == interval_) return;
    interval_ = interval;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    win::KillTimer(window_, kTimerId);
    if (enabled_ && interval_ > 0) win::SetTimer(window_, kTimerId, interval_, nullptr);
}

win::LRESULT TTimer::Procedure(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg != win::WM_TIMER) return win::DefWindowProc(hwnd, msg, wParam, lParam);
    auto* timer = reinterpret_cast<TTimer*>(win::GetWindowLong(hwnd, win::GWL_USERDATA));
    if (!timer || !timer->enabled_ || !timer->OnTimer) return 0;
    try {
        timer->OnTimer(timer);
    } catch (const std::exception& error) {
        if (!Application) throw;
        Application->HandleException(error);
    }
    return 0;
}

}  // namespace framework
