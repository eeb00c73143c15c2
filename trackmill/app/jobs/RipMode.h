#pragma once
#include <cstdint>

// What the rip window has been opened for; the MP3 job asks before overwriting only in the two conversion modes.
enum TRipMode : std::uint8_t { rmRipTracks = 1, rmWavToMp3 = 2, rmMp3ToWav = 3, rmRecordingToMp3 = 4 };
