#include "platform/framework/controls/ControlCanvas.h"

#include "platform/framework/controls/WinControl.h"
#include "platform/gdi/DC.h"
#include "platform/user/Paint.h"

namespace framework {

TControlCanvas::TControlCanvas(TControl& control) {
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    TWinControl* host = windowed ? windowed : control.Parent();
    if (!host || !host->HandleAllocated()) return;
    window_ = host->Handle();
    windowDC_ = win::GetDC(window_);
    SetHandle(windowed ? windowDC_ : gdi::CreateMovedDC(windowDC_, control.BoundsRect()));
    Font().Assign(control.Font());
    Brush().SetColor(control.Color());
}

TControlCanvas::~TControlCanvas() {
    if (Handle() && Handle() != windowDC_) win::DeleteDC(Handle());
    if (windowDC_) win::ReleaseDC(window_, windowDC_);
}

}  // namespace framework
