#pragma once

#include <stdexcept>
#include <string>

namespace tesk {

// A failure that stops teskenc. what() is the complete message line, newline included, for standard error.
class TeskError : public std::runtime_error {
  public:
    explicit TeskError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tesk
