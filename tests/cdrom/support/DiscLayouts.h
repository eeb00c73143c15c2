#pragma once
// Disc layouts for tests, with their addresses worked out by hand.
#include "CueImage.h"

namespace cdrom_test {

// Track 1 starts at sector 150 behind a stored pregap; track 2 has a 75-sector pregap; track 3 is data.
//   track 1: sector 150 -> frames 300 = 00:04:00
//   track 2: sector 525 -> frames 675 = 00:09:00
//   track 3: sector 725 -> frames 875 = 00:11:50
//   lead-out: sector 825 -> frames 975 = 00:13:00
inline ImageLayout MixedDisc() { return {150, {{0, 300, true}, {75, 200, true}, {0, 100, false}}}; }

// Two audio tracks from sector 0.
inline ImageLayout PlainDisc() { return {0, {{0, 40, true}, {0, 25, true}}}; }

inline ImageLayout DataOnlyDisc() { return {0, {{0, 60, false}}}; }

}  // namespace cdrom_test
