#include "platform/framework/TTimer.h"

#include "platform/framework/Exception.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

namespace framework {

namespace {

constexpr char kWindowClass[] = "FrameworkTimerWindow";
constexpr win::UINT_PTR kTimerId = 1;

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    static const bool registered = [] {
        win::WNDCLASS windowClass;
        windowClass.lpfnWndProc = &TTimer::WindowProcedure;
        windowClass.lpszClassName = kWindowClass;
        return win::RegisterClass(&windowClass) != 0;
    }();
    window_ = registered
                  ? win::CreateWindowEx(0, kWindowClass, "", win::WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr)
                  : nullptr;
    if (!window_) throw Exception("Cannot create the window of a timer");
    win::SetWindowLong(window_, win::GWL_USERDATA, reinterpret_cast<win::LONG_PTR>(this));
}

TTimer::~TTimer() { win::DestroyWindow(window_); }

void TTimer::SetInterval(std::uint32_t interval) {
    if (interval == interval_) return;
    interval_ = interval;
    UpdateTimer();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent onTimer) {
    onTimer_ = onTimer;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    win::KillTimer(window_, kTimerId);
    if (enabled_ && interval_ != 0 && onTimer_ && !win::SetTimer(window_, kTimerId, interval_, nullptr))
        throw Exception("Cannot start a timer");
}

win::LRESULT TTimer::WindowProcedure(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg != win::WM_TIMER) return win::DefWindowProc(hwnd, msg, wParam, lParam);
    auto* timer = reinterpret_cast<TTimer*>(win::GetWindowLong(hwnd, win::GWL_USERDATA));
    // The handler may free the timer: nothing of it is touched afterwards.
    if (timer && timer->onTimer_) timer->onTimer_(timer);
    return 0;
}

}  // namespace framework
