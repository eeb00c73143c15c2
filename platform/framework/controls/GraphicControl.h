#pragma once
// A control without a window of its own: it is painted when its parent paints, by a WM_PAINT whose WParam is the
// parent's DC moved to the control's corner and clipped to it, sent through the control's WindowProc.
#include "platform/framework/controls/Control.h"
#include "platform/framework/graphics/Canvas.h"

namespace framework {

class TGraphicControl : public TControl {
  public:
    explicit TGraphicControl(TComponent* owner);

    // The canvas is live while the control paints.
    TCanvas& Canvas() { return canvas_; }

  protected:
    void WndProc(TMessage& message) override;
    virtual void Paint() {}

  private:
    TCanvas canvas_;
};

}  // namespace framework
