#pragma once
// Where a track lies on the disc, in logical sectors, from the table of contents.
#include <cstdint>
#include <optional>

namespace platform::cdrom {
struct TTableOfContents;
}

struct TTrackSectors {
    std::int64_t Start = 0;  // logical sector, the address audio reads take
    std::int64_t Count = 0;  // up to the next track or the lead-out; 0 or less for an entry without audio
    bool Audio = true;       // false for a data track, whose sectors are no sound
};

// Entries are taken from the disc's own first track number, so discs that do not start at track 1 rip the right
// audio. Empty for a track the table does not hold.
std::optional<TTrackSectors> TrackSectors(const platform::cdrom::TTableOfContents& toc, int track);
