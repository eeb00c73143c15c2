#include "TestCanvas.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Surface.h"

TestCanvas::TestCanvas(int width, int height, win::COLORREF background)
    : dc_(win::CreateCompatibleDC(nullptr)),
      bitmap_(gdi::CreateBitmap(gdi::Surface(width, height, background))),
      previous_(win::SelectObject(dc_, bitmap_)),
      surface_(gdi::BitmapSurface(bitmap_)) {}

TestCanvas::~TestCanvas() {
    win::SelectObject(dc_, previous_);
    win::DeleteDC(dc_);
    win::DeleteObject(bitmap_);
}

win::COLORREF TestCanvas::at(int x, int y) const { return surface_->pixel(x, y); }

int TestCanvas::countNot(win::COLORREF colour, int left, int top, int right, int bottom) const {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            count += surface_->pixel(x, y) != colour;
        }
    }
    return count;
}
