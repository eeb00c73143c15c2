#pragma once
// Where the tracks of a disc start, in logical sectors, as libcdio reports them.
#include <vector>

namespace platform::cdrom::detail {

struct TrackStart {
    int number = 0;
    int lsn = 0;
    bool audio = true;
};

struct DiscLayout {
    std::vector<TrackStart> tracks;  // in track order, numbered consecutively
    int leadOutLsn = 0;

    bool hasAudio() const;
    // Whether every sector of [first, end) lies in an audio track: a data track is never read as sound.
    bool audioOnly(long long first, long long end) const;
};

}  // namespace platform::cdrom::detail
