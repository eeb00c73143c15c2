#pragma once
// A canvas on a control's client area for drawing outside WM_PAINT, windowless controls included: a windowed
// control's client DC, or for a windowless one its parent's client DC moved to the control's corner and clipped to
// it. It takes the control's font and colour, and gives its DC back when it goes. What it draws stays until the
// control is painted again. Without a window to draw on its handle is null and drawing does nothing.
#include "platform/framework/graphics/Canvas.h"

namespace framework {

class TControl;

class TControlCanvas : public TCanvas {
  public:
    explicit TControlCanvas(TControl& control);
    ~TControlCanvas();
    TControlCanvas(const TControlCanvas&) = delete;
    TControlCanvas& operator=(const TControlCanvas&) = delete;

  private:
    win::HWND window_ = nullptr;
    win::HDC windowDC_ = nullptr;
};

}  // namespace framework
