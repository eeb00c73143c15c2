#pragma once
// A BIN/CUE image's sheet, checked before libcdio sees it. libcdio's parser reads freed memory when the first TRACK
// number is high, ignores the FILE line (it always reads the BIN named like the CUE file) and numbers the tracks
// from the first one on whatever the sheet says, and it reads sound after a track of short sectors from the
// wrong place. A sheet is accepted only where its reading and libcdio's agree.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace platform::cdrom::detail {

struct CueSheet {
    std::string refusal;           // empty when the sheet is accepted; otherwise why not, in a few words
    std::vector<int> sectorBytes;  // per track in order: 2352, or 2048 or 2336 for a data track of short sectors
};

// The sheet's text as it stands in the file at cuePath. The BIN libcdio reads is the CUE path with "cue" or "CUE"
// at its end made "bin" or "BIN".
CueSheet CheckCueSheet(std::string_view text, const std::filesystem::path& cuePath);
// Reads the file first; a sheet that cannot be read, or is larger than any real one, is refused.
CueSheet ReadCueSheet(const std::filesystem::path& cuePath);
// The BIN libcdio reads for the CUE file.
std::filesystem::path BinPathOf(const std::filesystem::path& cuePath);

}  // namespace platform::cdrom::detail
