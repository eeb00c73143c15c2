#pragma once
// A push button with a glyph beside, above or below its caption.
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/GlyphLayout.h"
#include "platform/framework/graphics/Bitmap.h"

namespace framework {

class TBitBtn : public TButton {
  public:
    explicit TBitBtn(TComponent* owner);

    TBitmap& Glyph() { return glyph_; }
    void GlyphChanged() { Invalidate(); }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);

  protected:
    void Paint() override;

  private:
    TBitmap glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = blGlyphLeft;
    int spacing_ = 4;
};

}  // namespace framework
