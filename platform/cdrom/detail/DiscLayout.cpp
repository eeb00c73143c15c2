#include "platform/cdrom/detail/DiscLayout.h"

#include <algorithm>

namespace platform::cdrom::detail {

bool DiscLayout::hasAudio() const {
    return std::any_of(tracks.begin(), tracks.end(), [](const TrackStart& track) { return track.audio; });
}

bool DiscLayout::audioOnly(long long first, long long end) const {
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        const long long start = tracks[i].lsn;
        const long long next = i + 1 < tracks.size() ? tracks[i + 1].lsn : leadOutLsn;
        if (!tracks[i].audio && first < next && start < end) return false;
    }
    return true;
}

}  // namespace platform::cdrom::detail
