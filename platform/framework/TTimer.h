#pragma once
// A timer component: OnTimer runs on the UI thread every Interval milliseconds while Enabled, through the
// message loop, after the posted messages and without a backlog of missed ticks. It lives in a hidden window
// of its own, so it must be created on the UI thread.
#include <cstdint>

#include "platform/framework/NotifyEvent.h"
#include "platform/framework/TComponent.h"
#include "platform/user/Types.h"

namespace framework {

class TTimer : public TComponent {
  public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    // 1000 at first; 0 stops the timer.
    std::uint32_t Interval() const { return interval_; }
    void SetInterval(std::uint32_t interval);
    // True at first.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // The timer runs only while a handler is set.
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent onTimer);

  private:
    static win::LRESULT WindowProcedure(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    // Restarts the count from now when the timer is to run, stops it otherwise.
    void UpdateTimer();

    win::HWND window_ = nullptr;
    std::uint32_t interval_ = 1000;
    bool enabled_ = true;
    TNotifyEvent onTimer_;
};

}  // namespace framework
