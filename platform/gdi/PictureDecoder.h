#pragma once
// Decoding of BMP (1, 4, 8, 16, 24 and 32 bits, uncompressed) and JPEG pictures into surfaces. Malformed input
// gives an error text, never a crash.
#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "platform/gdi/Surface.h"

namespace gdi {

using DecodedPicture = std::variant<Surface, std::string>;  // the picture, or why it could not be read

DecodedPicture DecodeBmp(std::span<const std::uint8_t> bytes);
DecodedPicture DecodeJpeg(std::span<const std::uint8_t> bytes);
// Chooses by the leading bytes ("BM" or FF D8).
DecodedPicture DecodePicture(std::span<const std::uint8_t> bytes);

}  // namespace gdi
