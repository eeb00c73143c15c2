#pragma once
// What every restyled painting routine draws with: a canvas on the whole window, border included, whose device
// context goes back when the canvas goes, and the colours and sizes the routines share.
#include "platform/framework/controls/Control.h"
#include "platform/framework/graphics/Canvas.h"

namespace components {

// A canvas on a windowed control's whole window; on nothing (a null handle, drawing does nothing) for another one.
class TWindowCanvas : public framework::TCanvas {
  public:
    explicit TWindowCanvas(framework::TControl& control);
    ~TWindowCanvas();
    TWindowCanvas(const TWindowCanvas&) = delete;
    TWindowCanvas& operator=(const TWindowCanvas&) = delete;

  private:
    win::HWND window_ = nullptr;
};

// The colour of the parent's background; the control's own when it has no parent.
framework::TColor ParentBrushColor(const framework::TControl& control);
// The width of a scroll bar's thumb: the size of combo buttons and check boxes.
int ThumbSize();

inline int Width(const win::RECT& r) { return r.right - r.left; }
inline int Height(const win::RECT& r) { return r.bottom - r.top; }
inline void Shrink(win::RECT& r, int dx, int dy) {
    r.left += dx;
    r.top += dy;
    r.right -= dx;
    r.bottom -= dy;
}

}  // namespace components
