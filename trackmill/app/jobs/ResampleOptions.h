#pragma once
// What the resampler has to do to a file before a speech encoder can read it: the encoders take 8000 Hz mono
// 8- or 16-bit PCM, and read anything that is not RIFF WAVE (header-less samples, the speech header) themselves.
#include <cstdint>
#include <optional>
#include <string>

struct TWaveFormat {
    std::uint16_t FormatTag = 0;  // 1 is integer PCM
    std::uint16_t Channels = 0;
    std::uint32_t SampleRate = 0;
    std::uint16_t BitsPerSample = 0;
};

// The "fmt " chunk of a RIFF WAVE file, wherever it stands among the file's chunks. Nothing when the file is not
// RIFF WAVE or holds no complete "fmt " chunk. Raises framework::EInOutError when the file cannot be read.
std::optional<TWaveFormat> ReadWaveFormat(const std::string& FileName);

// The resampler's options for a file, empty when the file is used as it is: " -r 8000 " at any other rate than 8000 Hz,
// " -c 1" for more than one channel, and " -b 16 " whenever it is resampled or its samples are not 8- or 16-bit PCM, in
// this order. Raises framework::EInOutError when the file cannot be read.
std::string GetResampleOptions(const std::string& FileName);
