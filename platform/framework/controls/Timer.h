#pragma once
// A timer on the UI thread: OnTimer runs from the message loop every Interval milliseconds while Enabled. Ticks
// that fall behind are coalesced.
#include "platform/framework/TComponent.h"
#include "platform/framework/controls/ControlTypes.h"
#include "platform/user/Types.h"

namespace framework {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);

    TNotifyEvent OnTimer;

private:
    static win::LRESULT Procedure(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    void UpdateTimer();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    win::HWND window_ = nullptr;
};

}  // namespace framework
