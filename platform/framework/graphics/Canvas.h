#pragma once
// Drawing on a device context with a pen, a brush and a font. The canvas does not own the DC it is given.
#include <string>

#include "platform/framework/graphics/Brush.h"
#include "platform/framework/graphics/Font.h"
#include "platform/framework/graphics/Pen.h"
#include "platform/gdi/Types.h"

namespace framework {

class TBitmap;

class TCanvas {
  public:
    TCanvas() = default;
    explicit TCanvas(win::HDC dc) : dc_(dc) {}
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    win::HDC Handle() const { return dc_; }
    void SetHandle(win::HDC dc) { dc_ = dc; }

    TBrush& Brush() { return brush_; }
    TPen& Pen() { return pen_; }
    TFont& Font() { return font_; }

    void FillRect(const win::RECT& rect);
    void FrameRect(const win::RECT& rect);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const win::RECT& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void TextOut(int x, int y, const std::string& text);
    // Text clipped to rect, drawn at (x, y).
    void TextRect(const win::RECT& rect, int x, int y, const std::string& text);
    int DrawText(const std::string& text, win::RECT& rect, win::UINT format);
    win::SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);
    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const win::RECT& rect, const TBitmap& bitmap);
    void CopyRect(const win::RECT& dest, TCanvas& source, const win::RECT& sourceRect);

  private:
    class Selection;

    win::HDC dc_ = nullptr;
    TBrush brush_;
    TPen pen_;
    TFont font_;
};

}  // namespace framework
