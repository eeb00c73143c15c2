#pragma once
// A smooth progress bar. Position is kept inside [Min, Max]; Max may be changed at run time, to 0 as well.
#include "platform/framework/controls/WinControl.h"

namespace framework {

class TProgressBar : public TWinControl {
  public:
    explicit TProgressBar(TComponent* owner);

    int Min() const { return min_; }
    void SetMin(int min);
    int Max() const { return max_; }
    void SetMax(int max);
    int Position() const { return position_; }
    void SetPosition(int position);
    int Step() const { return step_; }
    void SetStep(int step) { step_ = step; }
    void StepIt() { SetPosition(position_ + step_); }
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool smooth) { smooth_ = smooth; }

  protected:
    void Paint() override;

  private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 10;
    bool smooth_ = false;
};

}  // namespace framework
