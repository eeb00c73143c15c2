#pragma once

#include <stdexcept>
#include <string>

// A frame that the codecs cannot code (an unknown rate id). what() is the complete message line, newline
// included, that the program prints on standard error before it stops.
class CodecError : public std::runtime_error {
 public:
  explicit CodecError(const std::string& message) : std::runtime_error(message) {}
};
