#pragma once

#include <string>

namespace tesk {

// printf-style formatting of teskenc's message lines.
std::string formatMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

// "<what> [<path>] error: <cause>\n" for failures that carry an errno.
std::string systemErrorMessage(const char* what, const std::string& path, int errorNumber);

}  // namespace tesk
