#pragma once
// A windowless button, flat or raised, that can stay down (GroupIndex > 0: one down per group and parent).
#include "platform/framework/controls/GlyphLayout.h"
#include "platform/framework/controls/GraphicControl.h"
#include "platform/framework/graphics/Bitmap.h"

namespace framework {

class TSpeedButton : public TGraphicControl {
  public:
    explicit TSpeedButton(TComponent* owner);

    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool Down() const { return down_; }
    void SetDown(bool down);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
    TBitmap& Glyph() { return glyph_; }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);

    void Click() override;

  protected:
    void WndProc(TMessage& message) override;
    void Paint() override;

  private:
    bool flat_ = false;
    bool transparent_ = false;
    bool down_ = false;
    bool hot_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    TBitmap glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = blGlyphLeft;
    int spacing_ = 4;
};

}  // namespace framework
