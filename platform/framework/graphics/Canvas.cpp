#include "platform/framework/graphics/Canvas.h"

#include "platform/framework/graphics/Bitmap.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"

namespace framework {

// Selects the canvas's pen, brush and font into its DC for one drawing call and puts the previous ones back.
class TCanvas::Selection {
  public:
    Selection(TCanvas& canvas, bool pen, bool brush, bool font) : dc_(canvas.dc_) {
        if (pen) {
            const TPen& p = canvas.pen_;
            pen_ = p.Style() == psClear ? win::CreatePen(win::PS_NULL, 1, 0)
                                        : win::CreatePen(win::PS_SOLID, p.Width(), gdi::ResolveColor(p.Color()));
            oldPen_ = win::SelectObject(dc_, pen_);
        }
        if (brush) {
            const TBrush& b = canvas.brush_;
            if (b.Style() == bsClear) {
                oldBrush_ = win::SelectObject(dc_, win::GetStockObject(win::NULL_BRUSH));
            } else {
                brush_ = win::CreateSolidBrush(gdi::ResolveColor(b.Color()));
                oldBrush_ = win::SelectObject(dc_, brush_);
            }
        }
        if (font) {
            oldFont_ = win::SelectObject(dc_, canvas.font_.Handle());
            win::SetTextColor(dc_, gdi::ResolveColor(canvas.font_.Color()));
            win::SetBkColor(dc_, gdi::ResolveColor(canvas.brush_.Color()));
            win::SetBkMode(dc_, canvas.brush_.Style() == bsClear ? win::TRANSPARENT : win::OPAQUE);
        }
    }
    ~Selection() {
        if (oldPen_) win::SelectObject(dc_, oldPen_);
        if (oldBrush_) win::SelectObject(dc_, oldBrush_);
        if (oldFont_) win::SelectObject(dc_, oldFont_);
        if (pen_) win::DeleteObject(pen_);
        if (brush_) win::DeleteObject(brush_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    win::HDC dc_;
    win::HPEN pen_ = nullptr;
    win::HBRUSH brush_ = nullptr;
    win::HGDIOBJ oldPen_ = nullptr;
    win::HGDIOBJ oldBrush_ = nullptr;
    win::HGDIOBJ oldFont_ = nullptr;
};

void TCanvas::FillRect(const win::RECT& rect) {
    if (brush_.Style() == bsClear) return;
    win::HBRUSH b = win::CreateSolidBrush(gdi::ResolveColor(brush_.Color()));
    win::FillRect(dc_, &rect, b);
    win::DeleteObject(b);
}

void TCanvas::FrameRect(const win::RECT& rect) {
    win::HBRUSH b = win::CreateSolidBrush(gdi::ResolveColor(brush_.Color()));
    win::FrameRect(dc_, &rect, b);
    win::DeleteObject(b);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    Selection s(*this, true, true, false);
    win::Rectangle(dc_, left, top, right, bottom);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    Selection s(*this, true, true, false);
    win::RoundRect(dc_, left, top, right, bottom, cornerWidth, cornerHeight);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    Selection s(*this, true, true, false);
    win::Ellipse(dc_, left, top, right, bottom);
}

void TCanvas::MoveTo(int x, int y) { win::MoveToEx(dc_, x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
    Selection s(*this, true, false, false);
    win::LineTo(dc_, x, y);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    Selection s(*this, false, false, true);
    win::TextOut(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

void TCanvas::TextRect(const win::RECT& rect, int x, int y, const std::string& text) {
    win::HRGN clip = win::CreateRectRgnIndirect(&rect);
    win::SelectObject(dc_, clip);
    TextOut(x, y, text);
    win::DeleteObject(clip);
    // A DC has no "no clip" selection; a region covering every coordinate undoes the one above.
    win::HRGN everything = win::CreateRectRgn(-32768, -32768, 32767, 32767);
    win::SelectObject(dc_, everything);
    win::DeleteObject(everything);
}

int TCanvas::DrawText(const std::string& text, win::RECT& rect, win::UINT format) {
    Selection s(*this, false, false, true);
    return win::DrawText(dc_, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

win::SIZE TCanvas::TextExtent(const std::string& text) {
    Selection s(*this, false, false, true);
    win::SIZE size;
    win::GetTextExtentPoint32(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

TColor TCanvas::Pixel(int x, int y) const { return win::GetPixel(dc_, x, y); }

void TCanvas::SetPixel(int x, int y, TColor color) { win::SetPixel(dc_, x, y, gdi::ResolveColor(color)); }

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) { bitmap.DrawOn(dc_, x, y, bitmap.Width(), bitmap.Height()); }

void TCanvas::StretchDraw(const win::RECT& rect, const TBitmap& bitmap) {
    bitmap.DrawOn(dc_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void TCanvas::CopyRect(const win::RECT& dest, TCanvas& source, const win::RECT& sourceRect) {
    win::StretchBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source.dc_,
                    sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
                    sourceRect.bottom - sourceRect.top, win::SRCCOPY);
}

}  // namespace framework
