#pragma once
// A caption drawn on its parent, sized to its text unless AutoSize is off.
#include "platform/framework/controls/GraphicControl.h"

namespace framework {

class TLabel : public TGraphicControl {
  public:
    explicit TLabel(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);

  protected:
    void WndProc(TMessage& message) override;
    void Paint() override;

  private:
    win::UINT TextFormat() const;
    void AdjustBounds();

    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
};

}  // namespace framework
