#pragma once
// Splits a command string into words: runs of non-blank characters, or text in double quotes (a file name
// with blanks), the quotes removed.
#include <optional>
#include <string>
#include <vector>

namespace platform::media::detail {

// Nothing when a quote is not closed.
std::optional<std::vector<std::string>> SplitCommandWords(const std::string& command);

}  // namespace platform::media::detail
