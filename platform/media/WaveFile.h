#pragma once
// RIFF WAVE files of PCM samples: the layout of an existing file is read from its chunks and its samples are read
// where they lie; files are written with the canonical 44-byte header.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/media/PcmFormat.h"

namespace platform::media {

// Samples held in memory, as the test audio backend takes them.
struct WaveContents {
    PcmFormat format;
    std::vector<std::uint8_t> samples;  // whole frames only
};

// Where a file's samples lie.
struct WaveLayout {
    PcmFormat format;
    std::uint64_t dataOffset = 0;
    std::uint64_t dataSize = 0;  // whole frames only
};

enum class WaveReadStatus { Read, Missing, Unreadable, Malformed };

// Walks the chunks of the open file descriptor for "fmt " and "data". A data size beyond the end of the file is
// cut to the bytes present, and a trailing part of a frame is dropped. Formats other than 8/16-bit PCM in 1 or 2
// channels, and rates of 0 or above PcmFormat::kHighestRate, are Malformed. Unreadable comes with the system's cause in
// failure.
WaveReadStatus ReadWaveLayout(int file, WaveLayout& layout, std::string& failure);

// Gives the next bytes of the data chunk into the buffer and returns how many; false with the cause in failure
// when they cannot be had.
using WaveDataSource = std::function<bool(std::span<std::uint8_t> buffer, std::size_t& given, std::string& failure)>;

// Writes dataSize bytes from the source after a 44-byte header (a pad byte ends an odd data chunk) into a new
// file beside path, renamed over path once complete: a failed write leaves what was there. On failure returns
// false with the cause in failure.
bool WriteWaveFile(const std::filesystem::path& path, const PcmFormat& format, std::uint64_t dataSize,
                   const WaveDataSource& source, std::string& failure);

}  // namespace platform::media
