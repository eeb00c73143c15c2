#pragma once
// A tool bar: tool buttons laid out left to right from Indent, images from an image list, captions under the
// images when ShowCaptions is on. OnCustomDrawButton may paint a button itself and skip the classic look.
#include <vector>

#include "platform/framework/controls/WinControl.h"

namespace framework {

class TImageList;
class TToolButton;

enum TCustomDrawStateFlag : unsigned {
    cdsSelected = 1,
    cdsGrayed = 2,
    cdsDisabled = 4,
    cdsChecked = 8,
    cdsHot = 64,
    cdsIndeterminate = 256
};
using TCustomDrawState = unsigned;

class TToolBar;
using TTBCustomDrawBtnEvent =
    TMethod<void(TToolBar* sender, TToolButton* button, TCustomDrawState state, bool& defaultDraw)>;

class TToolBar : public TWinControl {
  public:
    explicit TToolBar(TComponent* owner);

    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TToolButton* Buttons(int index) const { return buttons_[static_cast<std::size_t>(index)]; }

    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int width);
    int ButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int height);
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool show);
    bool List() const { return list_; }
    void SetList(bool list);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    int Indent() const { return indent_; }
    void SetIndent(int indent);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    TImageList* HotImages() const { return hotImages_; }
    void SetHotImages(TImageList* images);
    TImageList* DisabledImages() const { return disabledImages_; }
    void SetDisabledImages(TImageList* images);
    using TWinControl::Canvas;

    TTBCustomDrawBtnEvent OnCustomDrawButton;

    // For tool buttons.
    void AddButton(TToolButton* button);
    void RemoveButton(TToolButton* button);
    void ArrangeButtons();

    void Notification(TComponent* component, TOperation operation) override;
    // Button sizes, indent and the room for captions are scaled with the bar.
    void ChangeScale(int multiplier, int divisor) override;

  protected:
    void Paint() override;

  private:
    std::vector<TToolButton*> buttons_;
    bool flat_ = false;
    int buttonWidth_ = 23;
    int buttonHeight_ = 22;
    bool showCaptions_ = false;
    bool list_ = false;
    bool transparent_ = false;
    int indent_ = 0;
    // The scale the bar has been laid out at, for the room its captions take.
    int scaleMultiplier_ = 1;
    int scaleDivisor_ = 1;
    TImageList* images_ = nullptr;
    TImageList* hotImages_ = nullptr;
    TImageList* disabledImages_ = nullptr;
};

}  // namespace framework
