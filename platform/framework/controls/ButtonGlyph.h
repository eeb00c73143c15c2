#pragma once
// The glyph part of a button: a bitmap of up to four cells side by side (up, disabled, clicked, down) placed left,
// right, above or below the caption. TBitBtn and TSpeedButton share it and repaint in GlyphChanged.
#include "platform/framework/controls/GlyphLayout.h"
#include "platform/framework/graphics/Bitmap.h"

namespace framework {

class TButtonGlyph {
  public:
    TBitmap& Glyph() { return glyph_; }
    // Repaints the button; called after each property change, and by whoever drew into Glyph().
    virtual void GlyphChanged() = 0;
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);

  protected:
    ~TButtonGlyph() = default;

    // Resamples every cell of the glyph, its transparent colour kept out, and scales the spacing.
    void ScaleGlyph(int multiplier, int divisor);
    // One glyph cell and a caption of textWidth x textHeight, placed in a client area of width x height.
    GlyphPlacement PlaceGlyphAndText(int width, int height, int textWidth, int textHeight) const;

    TBitmap glyph_;
    int numGlyphs_ = 1;

  private:
    TButtonLayout layout_ = blGlyphLeft;
    int spacing_ = 4;
};

}  // namespace framework
