#include "platform/cdrom/detail/DiscLayout.h"

#include <algorithm>

namespace platform::cdrom::detail {

bool DiscLayout::hasAudio() const {
    return std::any_of(tracks.begin(), tracks.end(), [](const TrackStart& track) { return track.audio; });
}

}  // namespace platform::cdrom::detail
