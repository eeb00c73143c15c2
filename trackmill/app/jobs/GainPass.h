#pragma once
// The gain pass over a ripped track: every sample scaled by a fixed percentage, no peak search.
#include <cstdint>
#include <string>

#include "platform/user/Types.h"

// Posts PI_NORMALIZING, then a progress record per 2048-byte block to window, and writes the scaled copy beside
// the file under a temporary name, which then replaces the file in one rename. Samples that the gain would
// carry past 16 bits stay at the limit. 0 on success; otherwise the errno of the first input/output failure: the
// copy is removed and the file is left as it was.
int NormalizeWav(win::HWND window, std::int32_t percent, const std::string& fileName);
