#pragma once
// Fill colour and style of a canvas or a control's background.
#include <functional>

#include "platform/framework/graphics/Colors.h"

namespace framework {

enum TBrushStyle { bsSolid, bsClear };

class TBrush {
  public:
    TColor Color() const { return color_; }
    void SetColor(TColor color) {
        if (color == color_) return;
        color_ = color;
        if (OnChange) OnChange();
    }
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style) { style_ = style; }

    std::function<void()> OnChange;

  private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

}  // namespace framework
