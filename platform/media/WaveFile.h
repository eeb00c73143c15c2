#pragma once
// RIFF WAVE files of PCM samples: read whole into memory, written back with the canonical 44-byte header.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "platform/media/PcmFormat.h"

namespace platform::media {

struct WaveContents {
    PcmFormat format;
    std::vector<std::uint8_t> samples;  // whole frames only
};

enum class WaveReadStatus { Read, Missing, Unreadable, Malformed };

// Walks the chunks for "fmt " and "data". A data size beyond the end of the file is cut to the bytes present,
// and a trailing part of a frame is dropped. Formats other than 8/16-bit PCM in 1 or 2 channels are
// Malformed. Unreadable comes with the system's cause in failure.
WaveReadStatus ReadWaveFile(const std::filesystem::path& path, WaveContents& contents, std::string& failure);

// Writes the samples, given in pieces that follow each other, after a 44-byte header (a pad byte ends an odd
// data chunk). On failure returns false with the cause in failure.
bool WriteWaveFile(const std::filesystem::path& path, const PcmFormat& format,
                   std::span<const std::span<const std::uint8_t>> pieces, std::string& failure);

}  // namespace platform::media
