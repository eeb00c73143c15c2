#pragma once

#include <string>

struct ResampleArguments;

// Writes the source WAV file's sound to the destination at the asked rate, channel count and width (each the
// source's own when not asked), as a PCM WAV file with a 44-byte header. The destination changes only when the
// whole copy was written. Returns why it failed, empty on success.
std::string resampleWave(const ResampleArguments& arguments);
