#pragma once
// A white memory DC over a bitmap of a chosen size, released at the end of a test.
#include <memory>

#include "platform/gdi/Types.h"

namespace gdi {
class Surface;
}

class TestCanvas {
  public:
    TestCanvas(int width, int height, win::COLORREF background = win::RGB(255, 255, 255));
    ~TestCanvas();
    TestCanvas(const TestCanvas&) = delete;
    TestCanvas& operator=(const TestCanvas&) = delete;

    win::HDC dc() const { return dc_; }
    win::HBITMAP bitmap() const { return bitmap_; }
    const gdi::Surface& surface() const { return *surface_; }
    win::COLORREF at(int x, int y) const;
    // Number of pixels that differ from `colour` inside [left, right) x [top, bottom).
    int countNot(win::COLORREF colour, int left, int top, int right, int bottom) const;

  private:
    win::HDC dc_;
    win::HBITMAP bitmap_;
    win::HGDIOBJ previous_;
    std::shared_ptr<gdi::Surface> surface_;
};
