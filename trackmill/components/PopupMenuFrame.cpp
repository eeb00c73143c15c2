#include "trackmill/components/PopupMenuFrame.h"

#include <cstdlib>
#include <exception>

#include "platform/framework/graphics/Canvas.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"
#include "trackmill/components/FlatLook.h"

namespace components {

namespace {

using framework::TCanvas;

// How far the window may drift from its region's box before the region is made again.
constexpr int kRegionSlack = 5;
constexpr int kShadow = 2;

bool Subclassed(win::HWND window) {
    return win::GetWindowLong(window, win::GWL_WNDPROC) == reinterpret_cast<win::LONG_PTR>(&PopupMenuWndProc);
}

// A window DC with a canvas on it; the DC goes back and the flag is cleared however the drawing ends.
class FrameCanvas {
  public:
    FrameCanvas(win::HWND window, bool& busy) : window_(window), busy_(busy), dc_(win::GetWindowDC(window)) {
        if (dc_) busy_ = true;
        canvas_.SetHandle(dc_);
    }
    ~FrameCanvas() {
        if (!dc_) return;
        win::ReleaseDC(window_, dc_);
        busy_ = false;
    }
    FrameCanvas(const FrameCanvas&) = delete;
    FrameCanvas& operator=(const FrameCanvas&) = delete;

    explicit operator bool() const { return dc_ != nullptr; }
    TCanvas& canvas() { return canvas_; }

  private:
    win::HWND window_;
    bool& busy_;
    win::HDC dc_;
    TCanvas canvas_;
};

void Hollow(TCanvas& canvas, const win::RECT& r, TColor color) {
    canvas.Brush().SetStyle(framework::bsClear);
    canvas.Pen().SetColor(color);
    canvas.Rectangle(r);
}

// The shadow: the window's shape without its top-right and bottom-left corners. A region that still fits the
// window within the slack is kept.
void ShapeShadow(win::HWND window, int w, int h) {
    const win::HRGN current = win::CreateRectRgn(0, 0, 0, 0);
    win::RECT box{};
    const bool fits = win::GetWindowRgn(window, current) != win::ERROR && win::GetRgnBox(current, &box) != win::ERROR &&
                      std::abs(box.right - w) <= kRegionSlack && std::abs(box.bottom - h) <= kRegionSlack;
    win::DeleteObject(current);
    if (fits) return;
    const win::HRGN shape = win::CreateRectRgn(0, 0, w - kShadow, h - kShadow);
    const win::HRGN lower = win::CreateRectRgn(kShadow, kShadow, w, h);
    win::CombineRgn(shape, shape, lower, win::RGN_OR);
    win::DeleteObject(lower);
    // The window owns the region from here on.
    win::SetWindowRgn(window, shape, win::TRUE);
}

// The subclassed popup whose corner lies under the shadow of the one that closed, if any.
win::HWND NeighbourUnderShadow(const win::RECT& closed) {
    for (const win::POINT p :
         {win::POINT{closed.right + 2, closed.top + 2}, win::POINT{closed.right + 2, closed.bottom - 2}}) {
        const win::HWND window = win::WindowFromPoint(p);
        if (window && Subclassed(window)) return window;
    }
    return nullptr;
}

void DrawFrame(TFlatLook& menu, win::HWND window, bool rtl) {
    FrameCanvas frame(window, menu.FrameBusy);
    if (!frame) return;
    TCanvas& canvas = frame.canvas();
    win::RECT bounds{};
    win::GetWindowRect(window, &bounds);
    const int fullWidth = bounds.right - bounds.left;
    const int fullHeight = bounds.bottom - bounds.top;
    int w = fullWidth;
    int h = fullHeight;

    if (!Subclassed(window)) {
        win::SetWindowLong(window, win::GWL_USERDATA, win::GetWindowLong(window, win::GWL_WNDPROC));
        win::SetWindowLong(window, win::GWL_WNDPROC, reinterpret_cast<win::LONG_PTR>(&PopupMenuWndProc));
    }
    if (!menu.IsWinXP) {
        ShapeShadow(window, w, h);
        // The frame lies inside the region's upper-left part; the two pixels right and below are the shadow.
        w -= kShadow;
        h -= kShadow;
    }

    Hollow(canvas, win::RECT{0, 0, w, h}, menu.EffBorderColor);
    if (rtl) {
        canvas.Pen().SetColor(menu.EffIconBackColor);
        canvas.MoveTo(w - 3, 2);
        canvas.LineTo(w - 2, h - 1);
    } else {
        // The icon column continued over the native left margin.
        Hollow(canvas, win::RECT{1, 2, 3, h - 1}, menu.EffIconBackColor);
    }
    // The native top margin takes the look of the first item's top row.
    const win::HDC dc = canvas.Handle();
    win::StretchBlt(dc, 1, 1, w - 1, 2, dc, 1, 3, w - 1, 1, win::SRCCOPY);
    if (menu.IsWinXP) {
        win::StretchBlt(dc, 1, h - 3, w - 1, 2, dc, 1, 3, w - 1, 1, win::SRCCOPY);
        Hollow(canvas, win::RECT{w - 3, 1, w - 1, h - 1}, menu.EffColor);
        return;
    }
    Hollow(canvas, win::RECT{kShadow, fullHeight - kShadow, fullWidth, fullHeight}, menu.EffShadowColor);
    Hollow(canvas, win::RECT{fullWidth - kShadow, kShadow, fullWidth, fullHeight}, menu.EffShadowColor);
}

}  // namespace

void DrawPopupFrame(TFlatLook& menu, win::HWND window, bool rtl) {
    if (!window || menu.FrameBusy) return;
    try {
        DrawFrame(menu, window, rtl);
    } catch (const std::exception&) {
        // The DC went back and the flag was cleared on the way out; the menu keeps its native frame.
    }
}

win::LRESULT PopupMenuWndProc(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    const auto previous = reinterpret_cast<win::WNDPROC>(win::GetWindowLong(window, win::GWL_USERDATA));
    if (!previous) return win::DefWindowProc(window, message, wParam, lParam);
    switch (message) {
        case win::WM_ERASEBKGND:
            return 1;
        case win::WM_SHOWWINDOW:
            if (wParam) break;
            [[fallthrough]];
        case win::WM_CLOSE:
        case win::WM_DESTROY: {
            win::SetWindowRgn(window, nullptr, win::FALSE);
            win::SetWindowLong(window, win::GWL_WNDPROC, reinterpret_cast<win::LONG_PTR>(previous));
            win::SetWindowLong(window, win::GWL_USERDATA, 0);
            const win::LRESULT result = win::CallWindowProc(previous, window, message, wParam, lParam);
            win::RECT closed{};
            win::GetWindowRect(window, &closed);
            if (const win::HWND neighbour = NeighbourUnderShadow(closed))
                win::InvalidateRect(neighbour, nullptr, win::FALSE);
            return result;
        }
        default:
            break;
    }
    return win::CallWindowProc(previous, window, message, wParam, lParam);
}

}  // namespace components
