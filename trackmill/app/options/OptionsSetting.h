#pragma once
// Every setting of the program, one field per key of "options.ini", grouped by section.
#include <cstdint>
#include <string>

struct TCommonOptions {
    std::string OutputFolder;           // where rips and conversions write, with a trailing "/"
    std::int32_t OutputFormat = 0;      // ripped tracks: 0 MP3, 1 WAV
    bool IsKeepWav = false;             // keep the ripped WAV after MP3 encoding
    bool IsNormalize = false;           // gain pass over each ripped track
    std::int32_t NormalizePercent = 0;  // its gain, 0..100
};

struct TKelmOptions {
    std::int32_t OutputIndex = 0;     // 0 beside the source, 1 into KelmOutputFolder
    std::string KelmOutputFolder;     // key "OutputFolder" of section "KelmOptions"
    std::int32_t EncodeName = 0;      // 0 Lark, 1 Finch
    std::int32_t EncodeRate = 0;      // item of the chosen model's rate list
    std::int32_t Resample_Rate = 0;   // learned resampler speed, bytes per millisecond; 0 not learned
    std::int32_t Resample_Count = 0;  // timings learned, up to 10
    std::int32_t Lark_Rate[3] = {};   // learned Lark encoder speed per rate index
    std::int32_t Lark_Count[3] = {};
};

// Zeroed until the main window loads it; written on the UI thread only. The common and Kelm groups are records
// of their own; every field is reached directly (Options.OutputFolder, Options.KelmOutputFolder).
struct TOptionsSetting : TCommonOptions, TKelmOptions {
    bool IsSelectVBR = false;
    bool IsVBRHead = false;
    std::int32_t BitRate = 0;      // kbit/s
    std::int32_t MaxBitRate = 0;   // highest variable bit rate, kbit/s
    std::int32_t MpegQuality = 0;  // 0 normal, 1 fast, 2 high quality
    std::int32_t VBRQuality = 0;   // 0..9
    std::int32_t StereoMode = 0;   // 0 stereo, 1 joint, 2 forced joint, 3 dual channel, 4 mono
    std::int32_t Index = 0;        // chosen CD drive
    bool CDDb = false;             // look titles up in the CD database
    bool SaveMp3 = false;          // make an MP3 when a recording is saved
};

// The highest variable bit rate when none is stored, or a stored one the options window cannot show.
inline constexpr std::int32_t DefaultMaxBitRate = 320;

extern TOptionsSetting Options;
