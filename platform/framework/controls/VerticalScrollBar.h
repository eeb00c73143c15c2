#pragma once
// The parts of a vertical scroll bar over `total` positions of which `page` are seen at once: an arrow button at
// each end, the track between them, and the thumb in the track, as tall as the seen share of the track (never
// below a thumb's width) and placed by the first seen position. A control that scrolls itself draws these parts
// and asks which one a point is on.
#include "platform/gdi/Types.h"

namespace framework {

class VerticalScrollBar {
  public:
    enum class Part { None, UpArrow, PageUp, Thumb, PageDown, DownArrow };

    VerticalScrollBar(const win::RECT& bar, int total, int page, int position);

    const win::RECT& Bar() const { return bar_; }
    win::RECT UpArrow() const;
    win::RECT DownArrow() const;
    win::RECT Track() const;
    // Empty when the track is too short to hold one.
    win::RECT Thumb() const;
    Part HitTest(win::POINT point) const;

    // The last first-seen position: the end of the range shows a full page.
    int MaxPosition() const { return maxPosition_; }
    int Position() const { return position_; }
    // The position that puts the thumb's top at y, as a drag moves it.
    int PositionAtThumbTop(int y) const;
    // The position after a press on a part: an arrow moves one step, the track a page less one (at least one).
    int PositionAfterPress(Part part) const;

  private:
    int ArrowHeight() const;
    int ThumbHeight() const;
    int ThumbTravel() const;

    win::RECT bar_;
    int total_;
    int page_;
    int maxPosition_;
    int position_;
};

}  // namespace framework
