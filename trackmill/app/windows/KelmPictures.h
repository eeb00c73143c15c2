#pragma once
// The compression window's two pictures as JPEG data of its stored layout.
#include <cstdint>
#include <span>

// 32 by 32, in the method group: a speech chip.
std::span<const std::uint8_t> KelmMethodPicture();
// 48 by 48, beside the file list: a sound file on its way into the chip.
std::span<const std::uint8_t> KelmFilesPicture();
