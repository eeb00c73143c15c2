#pragma once
// A windowless button, flat or raised, that can stay down (GroupIndex > 0: one down per group and parent).
#include "platform/framework/controls/ButtonGlyph.h"
#include "platform/framework/controls/GraphicControl.h"

namespace framework {

class TSpeedButton : public TGraphicControl, public TButtonGlyph {
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
    void GlyphChanged() override { Invalidate(); }
    // The glyph grows with the button.
    void ChangeScale(int multiplier, int divisor) override;

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
};

}  // namespace framework
