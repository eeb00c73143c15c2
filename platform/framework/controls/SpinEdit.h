#pragma once
// A number edit with up and down arrows, kept within [MinValue, MaxValue]. With EditorEnabled off the number
// changes only through the arrows and the arrow keys.
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/UpDown.h"

namespace framework {

class TSpinEdit : public TCustomEdit {
  public:
    explicit TSpinEdit(TComponent* owner);

    int MinValue() const { return minValue_; }
    void SetMinValue(int value);
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int value);
    int Increment() const { return increment_; }
    void SetIncrement(int increment) { increment_ = increment; }
    int Value() const;
    void SetValue(int value);
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool enabled) { editorEnabled_ = enabled; }

    void SetBounds(int left, int top, int width, int height) override;

  protected:
    void WndProc(TMessage& message) override;
    void KeyDown(int& key, TShiftState shift) override;
    bool Accepts(char32_t key) const override;

  private:
    void ArrowClicked(TObject* sender, TUDBtnType button);
    void PlaceArrows();

    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
    bool editorEnabled_ = true;
    TUpDown* arrows_;
};

}  // namespace framework
