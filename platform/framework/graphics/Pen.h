#pragma once
// Line colour, width and style of a canvas.
#include "platform/framework/graphics/Colors.h"

namespace framework {

enum TPenStyle { psSolid, psClear };

class TPen {
  public:
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    int Width() const { return width_; }
    void SetWidth(int width) { width_ = width; }
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style) { style_ = style; }

  private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
};

}  // namespace framework
