#include "platform/media/SoundPieces.h"

#include <algorithm>

namespace platform::media {

void SoundPieces::reset(const SoundPiece& whole) {
    pieces_.clear();
    size_ = whole.size;
    if (whole.size > 0) pieces_.push_back(whole);
}

void SoundPieces::insert(std::uint64_t at, const SoundPiece& piece) {
    if (piece.size == 0) return;
    auto it = pieces_.begin();
    std::uint64_t start = 0;
    while (it != pieces_.end() && start + it->size <= at) {
        start += it->size;
        ++it;
    }
    if (it != pieces_.end() && start < at) {
        // Split the piece that holds the position: its head stays before the new piece.
        SoundPiece head = *it;
        head.size = at - start;
        it->offset += head.size;
        it->size -= head.size;
        it = pieces_.insert(it, head) + 1;
    }
    pieces_.insert(it, piece);
    size_ += piece.size;
}

bool SoundPieces::forEach(std::uint64_t at, std::uint64_t count,
                          const std::function<bool(const SoundPiece&)>& visit) const {
    std::uint64_t start = 0;
    for (const SoundPiece& piece : pieces_) {
        if (count == 0) break;
        const std::uint64_t end = start + piece.size;
        if (at < end) {
            const std::uint64_t skip = at - start;
            const std::uint64_t take = std::min(count, piece.size - skip);
            if (!visit(SoundPiece{piece.source, piece.offset + skip, take})) return false;
            at += take;
            count -= take;
        }
        start = end;
    }
    return true;
}

}  // namespace platform::media
