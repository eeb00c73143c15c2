#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// Little-endian fields laid out and read back byte by byte, independently of the code under test.
void appendText(std::vector<std::uint8_t>& bytes, const std::string& text);
void appendLe16(std::vector<std::uint8_t>& bytes, std::uint16_t value);
void appendLe32(std::vector<std::uint8_t>& bytes, std::uint32_t value);
// Throw std::out_of_range when the field runs past the end.
std::uint16_t le16At(const std::vector<std::uint8_t>& bytes, std::size_t at);
std::uint32_t le32At(const std::vector<std::uint8_t>& bytes, std::size_t at);

}  // namespace testsupport
