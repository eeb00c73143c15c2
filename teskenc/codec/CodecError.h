#pragma once

#include <stdexcept>
#include <string>

namespace tesk {

// A frame that the codecs cannot code (an unknown rate id). what() is the complete message line, newline
// included, that the program prints on standard error before it stops.
inline constexpr const char* kTeskaRateMessage = "rate_id error for teska (0 ~ 2)\n";
inline constexpr const char* kTeskbRateMessage = "change teskb data rate error\n";

class CodecError : public std::runtime_error {
  public:
    explicit CodecError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tesk
