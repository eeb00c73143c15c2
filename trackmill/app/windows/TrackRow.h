#pragma once
// The texts of one row of the track list, from the table-of-contents addresses where the track starts and where
// the next one starts.
#include <string>

struct TrackRowTexts {
    std::string Title;
    std::string Length;  // "mm:ss"
    std::string Size;    // megabytes with two decimals, "45.93"
};

struct TocTime {
    int Minutes = 0;
    int Seconds = 0;  // frames are left out: lengths are whole seconds
};

// "音轨  9" with two blanks below 10, "音轨 10" with one from there on, so the titles line up.
std::string GeneratedTrackTitle(int track);

TrackRowTexts MakeTrackRow(int track, TocTime start, TocTime next);
