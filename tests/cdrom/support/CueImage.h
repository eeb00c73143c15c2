#pragma once
// BIN/CUE images for tests. Each audio track carries its own sample pattern, so a read of the wrong sectors shows;
// pregaps (INDEX 00, stored in the file) are silence, and sectors before track 1 make a first track that does not
// start at sector 0.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace cdrom_test {

struct ImageTrack {
    int pregapSectors = 0;
    int sectors = 0;
    bool audio = true;
    int sectorBytes = 2352;  // a data track of 2048 is stored as MODE1/2048
};

struct ImageLayout {
    int leadSectors = 0;  // before the first track's start, inside its pregap
    std::vector<ImageTrack> tracks;
    int firstTrack = 1;  // the number the CUE sheet gives the first track; the others follow it
};

class CueImage {
  public:
    // Writes <folder>/<name>.bin and <folder>/<name>.cue.
    static CueImage Write(const std::filesystem::path& folder, const std::string& name, const ImageLayout& layout);

    const std::filesystem::path& cuePath() const { return cue_; }
    const std::filesystem::path& binPath() const { return bin_; }
    // The logical sector where the track at position (1-based, whatever the disc numbers it) starts, and the
    // lead-out.
    int trackStart(int position) const;
    int leadOut() const;
    // The bytes the image holds for count sectors from lsn.
    std::vector<std::uint8_t> sectors(int lsn, int count) const;

    // The 16-bit stereo sample pair of an audio track at sample index within the track; track is its position.
    static std::int16_t LeftSample(int track, std::int64_t index);
    static std::int16_t RightSample(int track, std::int64_t index);

  private:
    std::filesystem::path cue_;
    std::filesystem::path bin_;
    ImageLayout layout_;
};

}  // namespace cdrom_test
