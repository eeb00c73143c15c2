#pragma once

#include <cstdint>

namespace finch {

// a taken as an unsigned 16-bit fraction times signed b, shifted down arithmetically by 16.
constexpr std::int16_t mulQ16(std::int32_t a, std::int32_t b) {
    const std::int32_t product = static_cast<std::int32_t>(static_cast<std::uint16_t>(a)) *
                                 static_cast<std::int32_t>(static_cast<std::int16_t>(b));
    return static_cast<std::int16_t>(product >> 16);
}

// Signed 16 x 16 -> 32-bit product.
constexpr std::int32_t mulShort(std::int16_t a, std::int16_t b) {
    return static_cast<std::int32_t>(a) * static_cast<std::int32_t>(b);
}

}  // namespace finch
