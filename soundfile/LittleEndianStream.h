#pragma once

#include <cstdint>
#include <cstdio>

namespace soundfile {

// Little-endian fields and positions on a byte stream. Readers return false when the stream ends first.

// The stream's length in bytes (-1 when it cannot be told); the position is kept.
std::int64_t fileLength(std::FILE* stream);

bool readLittle16(std::FILE* stream, std::uint16_t& value);
bool readLittle32(std::FILE* stream, std::uint32_t& value);
bool writeLittle16(std::FILE* stream, std::uint16_t value);
bool writeLittle32(std::FILE* stream, std::uint32_t value);

std::int64_t streamPosition(std::FILE* stream);
bool seekTo(std::FILE* stream, std::int64_t position);

}  // namespace soundfile
