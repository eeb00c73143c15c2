#include "platform/cdrom/DiscLayout.h"

#include <algorithm>

namespace platform::cdrom {

bool DiscLayout::hasAudio() const {
    return std::any_of(tracks.begin(), tracks.end(), [](const TrackStart& track) { return track.audio; });
}

}  // namespace platform::cdrom
