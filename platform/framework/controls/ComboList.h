#pragma once
// The drop-down list of a combo box: a top-level window under the combo box that holds the mouse until an item is
// picked or the user clicks elsewhere. With more items than its rows it scrolls: a scroll bar on the right, the
// wheel, and the combo box's arrow and page keys, which move the highlighted item and keep it in view.
#include "platform/framework/controls/VerticalScrollBar.h"
#include "platform/framework/controls/WinControl.h"

namespace framework {

class TComboBox;

class TComboList : public TWinControl {
  public:
    explicit TComboList(TComboBox* combo);
    ~TComboList() override;

    int ItemHeight() const;
    int HotIndex() const { return hot_; }
    int TopIndex() const { return top_; }
    int Rows() const { return rows_; }
    // Highlights an item (clamped to the list) and scrolls it into view.
    void MoveHot(int index);

  protected:
    void WndProc(TMessage& message) override;
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

  private:
    int IndexAt(int x, int y) const;
    int ItemCount() const;
    bool ScrollBarShown() const { return ItemCount() > rows_; }
    int RowsRight() const;
    VerticalScrollBar ScrollBar() const;
    void SetTop(int top);

    TComboBox* combo_;
    int rows_ = 1;
    int hot_ = -1;
    int top_ = 0;
    VerticalScrollBar::Part pressedPart_ = VerticalScrollBar::Part::None;
    int thumbGrip_ = 0;
    int wheelRemainder_ = 0;
};

}  // namespace framework
