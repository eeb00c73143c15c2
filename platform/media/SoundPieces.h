#pragma once
// A recording as a run of pieces, each a stretch of bytes in the opened file or in the working file of what was
// recorded. Recording into the middle splits a piece, so no sample is moved or held in memory for it.
#include <cstdint>
#include <functional>
#include <vector>

namespace platform::media {

enum class PieceSource { Opened, Recorded };

struct SoundPiece {
    PieceSource source = PieceSource::Opened;
    std::uint64_t offset = 0;  // in its file
    std::uint64_t size = 0;
};

class SoundPieces {
  public:
    // The whole recording is the one piece, or nothing when it is empty.
    void reset(const SoundPiece& whole);
    std::uint64_t size() const { return size_; }
    // Puts the piece in at the byte position at, which is at most size().
    void insert(std::uint64_t at, const SoundPiece& piece);
    // Calls visit with each stretch of the count bytes from at, in order, until visit returns false; returns
    // false then.
    bool forEach(std::uint64_t at, std::uint64_t count, const std::function<bool(const SoundPiece&)>& visit) const;

  private:
    std::vector<SoundPiece> pieces_;
    std::uint64_t size_ = 0;
};

}  // namespace platform::media
