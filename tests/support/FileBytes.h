#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

using Bytes = std::vector<std::uint8_t>;

// Whole-file reads and writes; each throws std::runtime_error with the cause when the file cannot be opened or
// written, so a missing output fails the test loudly instead of reading as empty.
Bytes readFileBytes(const std::filesystem::path& path);
std::string readFileText(const std::filesystem::path& path);
void writeFileBytes(const std::filesystem::path& path, const Bytes& bytes);
void writeFileText(const std::filesystem::path& path, const std::string& text);

}  // namespace testsupport
