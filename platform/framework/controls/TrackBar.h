#pragma once
// A horizontal track bar with ticks below. Setting Position, by the user or in code, raises OnChange when it
// changes.
#include "platform/framework/controls/WinControl.h"

namespace framework {

class TTrackBar : public TWinControl {
  public:
    explicit TTrackBar(TComponent* owner);

    int Min() const { return min_; }
    void SetMin(int min);
    int Max() const { return max_; }
    void SetMax(int max);
    int Position() const { return position_; }
    void SetPosition(int position);
    int Frequency() const { return frequency_; }
    void SetFrequency(int frequency);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int pageSize) { pageSize_ = pageSize; }

    TNotifyEvent OnChange;

  protected:
    void WndProc(TMessage& message) override;
    void Paint() override;
    void KeyDown(int& key, TShiftState shift) override;
    bool FocusOnClick() const override { return true; }

  private:
    int PositionAt(int x) const;
    int ThumbX() const;

    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int frequency_ = 1;
    int pageSize_ = 2;
    bool dragging_ = false;
};

}  // namespace framework
