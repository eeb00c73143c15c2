#include "platform/framework/controls/VerticalScrollBar.h"

#include <algorithm>

#include "platform/user/ClassicGeometry.h"

namespace framework {

namespace {

bool Inside(const win::RECT& r, win::POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

VerticalScrollBar::VerticalScrollBar(const win::RECT& bar, int total, int page, int position)
    : bar_(bar),
      total_(std::max(total, 0)),
      page_(std::max(page, 1)),
      maxPosition_(std::max(total_ - page_, 0)),
      position_(std::clamp(position, 0, maxPosition_)) {}

int VerticalScrollBar::ArrowHeight() const {
    // A bar shorter than two buttons shares its height between them.
    return std::min(user::classic::Current().scrollBarSize, std::max(bar_.bottom - bar_.top, 0) / 2);
}

win::RECT VerticalScrollBar::UpArrow() const {
    return win::RECT{bar_.left, bar_.top, bar_.right, bar_.top + ArrowHeight()};
}

win::RECT VerticalScrollBar::DownArrow() const {
    return win::RECT{bar_.left, bar_.bottom - ArrowHeight(), bar_.right, bar_.bottom};
}

win::RECT VerticalScrollBar::Track() const {
    return win::RECT{bar_.left, bar_.top + ArrowHeight(), bar_.right, bar_.bottom - ArrowHeight()};
}

int VerticalScrollBar::ThumbHeight() const {
    const win::RECT track = Track();
    const int length = track.bottom - track.top;
    if (length < user::classic::Current().scrollBarSize / 2 || total_ <= page_) return 0;
    const int proportional = static_cast<int>(static_cast<long long>(length) * page_ / total_);
    return std::clamp(proportional, user::classic::Current().scrollBarSize / 2, length);
}

int VerticalScrollBar::ThumbTravel() const {
    const win::RECT track = Track();
    return std::max(track.bottom - track.top - ThumbHeight(), 0);
}

win::RECT VerticalScrollBar::Thumb() const {
    const int height = ThumbHeight();
    if (height == 0) return win::RECT{bar_.left, Track().top, bar_.right, Track().top};
    const int offset =
        maxPosition_ == 0 ? 0 : static_cast<int>(static_cast<long long>(ThumbTravel()) * position_ / maxPosition_);
    const int top = Track().top + offset;
    return win::RECT{bar_.left, top, bar_.right, top + height};
}

VerticalScrollBar::Part VerticalScrollBar::HitTest(win::POINT point) const {
    if (!Inside(bar_, point)) return Part::None;
    if (Inside(UpArrow(), point)) return Part::UpArrow;
    if (Inside(DownArrow(), point)) return Part::DownArrow;
    const win::RECT thumb = Thumb();
    if (Inside(thumb, point)) return Part::Thumb;
    return point.y < thumb.top ? Part::PageUp : Part::PageDown;
}

int VerticalScrollBar::PositionAtThumbTop(int y) const {
    const int travel = ThumbTravel();
    if (travel == 0) return position_;
    const int offset = std::clamp(y - Track().top, 0, travel);
    // Rounded to the nearest position, so the thumb follows the pointer without lagging a whole step.
    return static_cast<int>((static_cast<long long>(offset) * maxPosition_ + travel / 2) / travel);
}

int VerticalScrollBar::PositionAfterPress(Part part) const {
    const int page = std::max(page_ - 1, 1);
    int step = 0;
    switch (part) {
        case Part::UpArrow:
            step = -1;
            break;
        case Part::DownArrow:
            step = 1;
            break;
        case Part::PageUp:
            step = -page;
            break;
        case Part::PageDown:
            step = page;
            break;
        case Part::Thumb:
        case Part::None:
            break;
    }
    return std::clamp(position_ + step, 0, maxPosition_);
}

}  // namespace framework
