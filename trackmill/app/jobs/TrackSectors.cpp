#include "trackmill/app/jobs/TrackSectors.h"

#include "platform/cdrom/CdRecords.h"

namespace {

// Addresses are minutes, seconds and frames of 1/75 s, counted with the lead-in.
std::int64_t Frames(const platform::cdrom::TTocEntry& entry) {
    return entry.addr[1] * 4500 + entry.addr[2] * 75 + entry.addr[3];
}

}  // namespace

std::optional<TTrackSectors> TrackSectors(const platform::cdrom::TTableOfContents& toc, int track) {
    const int index = track - toc.firstTrack;
    // The entry after the track (the next one, or the lead-out) must be inside the table too.
    if (track < toc.firstTrack || track > toc.lastTrack || index + 1 >= platform::cdrom::MAX_TOC_ENTRIES)
        return std::nullopt;
    const std::int64_t start = Frames(toc.tracks[index]);
    if (start < platform::cdrom::LEAD_IN_FRAMES) return std::nullopt;
    const bool audio = (toc.tracks[index].adrControl & platform::cdrom::TOC_DATA_TRACK) == 0;
    return TTrackSectors{start - platform::cdrom::LEAD_IN_FRAMES, Frames(toc.tracks[index + 1]) - start, audio};
}
