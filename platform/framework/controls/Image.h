#pragma once
// A picture on its parent: sized to the picture with AutoSize, drawn with its transparent colour left out when
// Transparent, scaled to the control with Stretch.
#include "platform/framework/controls/GraphicControl.h"
#include "platform/framework/graphics/Picture.h"

namespace framework {

class TImage : public TGraphicControl {
  public:
    explicit TImage(TComponent* owner);

    TPicture& Picture() { return picture_; }
    // The picture is resampled with the bounds.
    void ChangeScale(int multiplier, int divisor) override;
    // After the picture changed: size and repaint.
    void PictureChanged();
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool Center() const { return center_; }
    void SetCenter(bool center);

  protected:
    void Paint() override;

  private:
    TPicture picture_;
    bool autoSize_ = false;
    bool transparent_ = false;
    bool stretch_ = false;
    bool center_ = false;
};

}  // namespace framework
