#include "platform/framework/controls/TrackBar.h"

#include <algorithm>

#include "platform/framework/controls/ClassicPainter.h"
#include "platform/user/Messages.h"

namespace framework {

namespace {

constexpr int kMargin = 8;  // matches the painter's channel ends

}  // namespace

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 150, 33);
}

void TTrackBar::SetMin(int min) {
    if (min == min_) return;
    min_ = min;
    SetPosition(position_);
    Invalidate();
}

void TTrackBar::SetMax(int max) {
    if (max == max_) return;
    max_ = max;
    SetPosition(position_);
    Invalidate();
}

void TTrackBar::SetPosition(int position) {
    position = std::clamp(position, min_, std::max(min_, max_));
    if (position == position_) return;
    position_ = position;
    Invalidate();
    if (OnChange) OnChange(this);
}

void TTrackBar::SetFrequency(int frequency) {
    if (frequency == frequency_) return;
    frequency_ = frequency;
    Invalidate();
}

int TTrackBar::ThumbX() const {
    const int span = std::max(1, max_ - min_);
    return kMargin + (ClientWidth() - 2 * kMargin - 1) * (position_ - min_) / span;
}

int TTrackBar::PositionAt(int x) const {
    const int width = std::max(1, ClientWidth() - 2 * kMargin - 1);
    const int span = max_ - min_;
    const int offset = std::clamp(x - kMargin, 0, width);
    return min_ + (offset * span + width / 2) / width;
}

void TTrackBar::WndProc(TMessage& message) {
    const int x = win::GET_X_LPARAM(message.LParam);
    switch (message.Msg) {
        case win::WM_LBUTTONDOWN:
        case win::WM_LBUTTONDBLCLK:  // a second quick press pages again
            TWinControl::WndProc(message);
            if (!Enabled()) return;
            if (std::abs(x - ThumbX()) <= 5) {
                dragging_ = true;
            } else {
                SetPosition(position_ + (x < ThumbX() ? -pageSize_ : pageSize_));
            }
            return;
        case win::WM_MOUSEMOVE:
            if (dragging_) SetPosition(PositionAt(x));
            break;
        case win::WM_LBUTTONUP:
            dragging_ = false;
            break;
        default:
            break;
    }
    TWinControl::WndProc(message);
}

void TTrackBar::KeyDown(int& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);
    switch (key) {
        case win::VK_LEFT:
        case win::VK_UP:
            SetPosition(position_ - 1);
            break;
        case win::VK_RIGHT:
        case win::VK_DOWN:
            SetPosition(position_ + 1);
            break;
        case win::VK_PRIOR:
            SetPosition(position_ - pageSize_);
            break;
        case win::VK_NEXT:
            SetPosition(position_ + pageSize_);
            break;
        case win::VK_HOME:
            SetPosition(min_);
            break;
        case win::VK_END:
            SetPosition(max_);
            break;
        default:
            break;
    }
}

void TTrackBar::Paint() {
    classic::TrackBar(Canvas().Handle(), ClientRect(), min_, max_, position_, frequency_, Focused());
}

}  // namespace framework
