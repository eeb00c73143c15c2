#pragma once
// A push button with a glyph beside, above or below its caption.
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ButtonGlyph.h"

namespace framework {

class TBitBtn : public TButton, public TButtonGlyph {
  public:
    explicit TBitBtn(TComponent* owner);

    void GlyphChanged() override { Invalidate(); }
    // The glyph grows with the button.
    void ChangeScale(int multiplier, int divisor) override;

  protected:
    void Paint() override;
};

}  // namespace framework
