#pragma once
// A region as a list of disjoint rectangles, enough for the unions, intersections and differences of
// rectangles that windows and clipping build.
#include <vector>

#include "platform/gdi/Types.h"

namespace gdi {

class Region {
  public:
    Region() = default;
    explicit Region(const win::RECT& rect);

    bool empty() const { return rects_.empty(); }
    bool contains(int x, int y) const;
    // Bounding box; all zero when empty.
    win::RECT box() const;
    const std::vector<win::RECT>& rects() const { return rects_; }

    Region united(const Region& other) const;
    Region intersected(const Region& other) const;
    Region intersected(const win::RECT& rect) const;
    Region subtracted(const Region& other) const;
    Region exclusiveOr(const Region& other) const;
    Region offset(int dx, int dy) const;

    bool operator==(const Region& other) const;

  private:
    std::vector<win::RECT> rects_;  // disjoint, none empty
};

}  // namespace gdi
