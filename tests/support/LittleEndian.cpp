#include "tests/support/LittleEndian.h"

namespace testsupport {

void appendText(std::vector<std::uint8_t>& bytes, const std::string& text) {
    bytes.insert(bytes.end(), text.begin(), text.end());
}

void appendLe16(std::vector<std::uint8_t>& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void appendLe32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    appendLe16(bytes, static_cast<std::uint16_t>(value));
    appendLe16(bytes, static_cast<std::uint16_t>(value >> 16));
}

std::uint16_t le16At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes.at(at) | (bytes.at(at + 1) << 8));
}

std::uint32_t le32At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(le16At(bytes, at)) | static_cast<std::uint32_t>(le16At(bytes, at + 2)) << 16;
}

}  // namespace testsupport
