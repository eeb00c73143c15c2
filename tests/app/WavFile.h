#pragma once
// Reading and writing whole files and little-endian fields for the WAV checks.
#include <cstdint>
#include <string>
#include <vector>

std::vector<std::uint8_t> ReadBytes(const std::string& file);
void WriteBytes(const std::string& file, const std::vector<std::uint8_t>& bytes);
std::uint32_t Le32(const std::vector<std::uint8_t>& bytes, std::size_t at);
// A 44-byte CD-audio header followed by the samples, 16-bit little-endian.
std::vector<std::uint8_t> CdWav(const std::vector<std::int16_t>& samples);
std::vector<std::int16_t> Samples(const std::vector<std::uint8_t>& wav);
