#pragma once

#include <array>
#include <cstdint>

namespace tesk {

// Window and rotations of the inverse lapped transform, rounded to nearest from exact pi and sqrt(2).
struct InverseTransformTables {
    std::array<int16_t, 128> invWindow{};  // sqrt(2)*16384*sin((k+0.5)*pi/256)
    std::array<int16_t, 64> invPreCos{};   // 32768*cos((j+0.25)*pi/128)
    std::array<int16_t, 64> invPreSin{};   // -32768*sin((j+0.25)*pi/128)
    std::array<int16_t, 64> invPostCos{};  // sqrt(2)*16384*cos(n*pi/128)
    std::array<int16_t, 64> invPostSin{};  // -sqrt(2)*16384*sin(n*pi/128)
};

InverseTransformTables buildTransformTables();
// Built once per process on first use.
const InverseTransformTables& inverseTransformTables();

}  // namespace tesk
