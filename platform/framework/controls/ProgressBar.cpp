#include "platform/framework/controls/ProgressBar.h"

#include <algorithm>

#include "platform/framework/controls/ClassicPainter.h"

namespace framework {

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 150, 16); }

void TProgressBar::SetMin(int min) {
    if (min == min_) return;
    min_ = min;
    position_ = std::clamp(position_, min_, std::max(min_, max_));
    Invalidate();
}

void TProgressBar::SetMax(int max) {
    if (max == max_) return;
    max_ = max;
    position_ = std::clamp(position_, std::min(min_, max_), std::max(min_, max_));
    Invalidate();
}

void TProgressBar::SetPosition(int position) {
    position = std::clamp(position, std::min(min_, max_), std::max(min_, max_));
    if (position == position_) return;
    position_ = position;
    Invalidate();
}

void TProgressBar::Paint() {
    const win::RECT r = ClientRect();
    const long long span = static_cast<long long>(max_) - min_;
    const int inner = std::max(0, static_cast<int>(r.right) - 2);
    const int filled = span <= 0 ? 0 : static_cast<int>(inner * (static_cast<long long>(position_) - min_) / span);
    classic::ProgressBar(Canvas().Handle(), r, 1 + filled);
}

}  // namespace framework
