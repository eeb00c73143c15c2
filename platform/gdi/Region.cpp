#include "platform/gdi/Region.h"

#include <algorithm>

namespace gdi {
namespace {

bool IsEmpty(const win::RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

win::RECT Intersect(const win::RECT& a, const win::RECT& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// The parts of `r` outside `cut`: a band above, a band below, and the pieces left and right between them.
void AppendDifference(const win::RECT& r, const win::RECT& cut, std::vector<win::RECT>& out) {
    const win::RECT overlap = Intersect(r, cut);
    if (IsEmpty(overlap)) {
        out.push_back(r);
        return;
    }
    const win::RECT pieces[] = {
        {r.left, r.top, r.right, overlap.top},
        {r.left, overlap.bottom, r.right, r.bottom},
        {r.left, overlap.top, overlap.left, overlap.bottom},
        {overlap.right, overlap.top, r.right, overlap.bottom},
    };
    for (const win::RECT& piece : pieces) {
        if (!IsEmpty(piece)) {
            out.push_back(piece);
        }
    }
}

std::vector<win::RECT> Subtract(std::vector<win::RECT> from, const std::vector<win::RECT>& cuts) {
    for (const win::RECT& cut : cuts) {
        std::vector<win::RECT> next;
        for (const win::RECT& r : from) {
            AppendDifference(r, cut, next);
        }
        from = std::move(next);
    }
    return from;
}

bool Mergeable(const win::RECT& a, const win::RECT& b) {
    const bool sideBySide = a.top == b.top && a.bottom == b.bottom && (a.right == b.left || b.right == a.left);
    const bool stacked = a.left == b.left && a.right == b.right && (a.bottom == b.top || b.bottom == a.top);
    return sideBySide || stacked;
}

// Joins neighbours so that a union that forms a rectangle is one rectangle again.
void Coalesce(std::vector<win::RECT>& rects) {
    bool merged = true;
    while (merged) {
        merged = false;
        for (std::size_t i = 0; i < rects.size() && !merged; ++i) {
            for (std::size_t j = i + 1; j < rects.size() && !merged; ++j) {
                if (Mergeable(rects[i], rects[j])) {
                    const win::RECT& a = rects[i];
                    const win::RECT& b = rects[j];
                    rects[i] = {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                                std::max(a.bottom, b.bottom)};
                    rects.erase(rects.begin() + std::ptrdiff_t(j));
                    merged = true;
                }
            }
        }
    }
}

}  // namespace

Region::Region(const win::RECT& rect) {
    if (!IsEmpty(rect)) {
        rects_.push_back(rect);
    }
}

bool Region::contains(int x, int y) const {
    return std::any_of(rects_.begin(), rects_.end(),
                       [x, y](const win::RECT& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; });
}

win::RECT Region::box() const {
    if (rects_.empty()) {
        return {};
    }
    win::RECT box = rects_.front();
    for (const win::RECT& r : rects_) {
        box = {std::min(box.left, r.left), std::min(box.top, r.top), std::max(box.right, r.right),
               std::max(box.bottom, r.bottom)};
    }
    return box;
}

Region Region::united(const Region& other) const {
    Region result = *this;
    std::vector<win::RECT> added = Subtract(other.rects_, rects_);
    result.rects_.insert(result.rects_.end(), added.begin(), added.end());
    Coalesce(result.rects_);
    return result;
}

Region Region::intersected(const Region& other) const {
    Region result;
    for (const win::RECT& a : rects_) {
        for (const win::RECT& b : other.rects_) {
            const win::RECT overlap = Intersect(a, b);
            if (!IsEmpty(overlap)) {
                result.rects_.push_back(overlap);
            }
        }
    }
    Coalesce(result.rects_);
    return result;
}

Region Region::intersected(const win::RECT& rect) const { return intersected(Region(rect)); }

Region Region::subtracted(const Region& other) const {
    Region result;
    result.rects_ = Subtract(rects_, other.rects_);
    Coalesce(result.rects_);
    return result;
}

Region Region::exclusiveOr(const Region& other) const { return subtracted(other).united(other.subtracted(*this)); }

Region Region::offset(int dx, int dy) const {
    Region result = *this;
    for (win::RECT& r : result.rects_) {
        r = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
    }
    return result;
}

bool Region::operator==(const Region& other) const {
    return subtracted(other).empty() && other.subtracted(*this).empty();
}

}  // namespace gdi
