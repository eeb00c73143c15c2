#pragma once
// Windows live only in their backing stores; the screen is composed when someone looks at it.
#include "platform/user/Presenter.h"

namespace present {

class HeadlessPresenter : public user::Presenter {
  public:
    void windowChanged(win::HWND) override {}
    void windowDestroyed(win::HWND) override {}
    void pixelsChanged(win::HWND) override {}
    void present() override {}
    bool needsPolling() const override { return false; }
};

}  // namespace present
