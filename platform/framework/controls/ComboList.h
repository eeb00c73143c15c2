#pragma once
// The drop-down list of a combo box: a top-level window under the combo box that holds the mouse until an item is
// picked or the user clicks elsewhere.
#include "platform/framework/controls/WinControl.h"

namespace framework {

class TComboBox;

class TComboList : public TWinControl {
  public:
    explicit TComboList(TComboBox* combo);
    ~TComboList() override;

    int ItemHeight() const;
    int HotIndex() const { return hot_; }

  protected:
    void WndProc(TMessage& message) override;
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

  private:
    int IndexAt(int y) const;

    TComboBox* combo_;
    int hot_ = -1;
};

}  // namespace framework
