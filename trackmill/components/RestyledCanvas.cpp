#include "trackmill/components/RestyledCanvas.h"

#include "platform/framework/controls/WinControl.h"
#include "platform/user/Paint.h"
#include "platform/user/SystemMetrics.h"

namespace components {

TWindowCanvas::TWindowCanvas(framework::TControl& control) {
    auto* windowed = dynamic_cast<framework::TWinControl*>(&control);
    if (!windowed) return;
    window_ = windowed->Handle();
    SetHandle(win::GetWindowDC(window_));
    Font().Assign(control.Font());
}

TWindowCanvas::~TWindowCanvas() {
    if (Handle()) win::ReleaseDC(window_, Handle());
}

framework::TColor ParentBrushColor(const framework::TControl& control) {
    return control.Parent() ? control.Parent()->Color() : control.Color();
}

int ThumbSize() { return win::GetSystemMetrics(win::SM_CXHTHUMB); }

}  // namespace components
