#pragma once

#include <array>
#include <cstdint>

namespace tesk {

// Window and rotations of the forward lapped transform, truncated toward zero from values computed with pi taken
// as 3.141592654; streams depend on these exact values (fwdPostCos[32] is 4095, not 4096).
struct ForwardTransformTables {
    std::array<int16_t, 128> fwdWindow{};  // 4096*sqrt(2)*sin((k+0.5)*pi/256)
    std::array<int16_t, 64> fwdPreCos{};   // 16384*cos((j+0.25)*pi/128)
    std::array<int16_t, 64> fwdPreSin{};   // -16384*sin((j+0.25)*pi/128)
    std::array<int16_t, 64> fwdPostCos{};  // 4096*sqrt(2)*cos(n*pi/128)
    std::array<int16_t, 64> fwdPostSin{};  // -4096*sqrt(2)*sin(n*pi/128)
};

ForwardTransformTables buildForwardTransformTables();
// Built once per process on first use.
const ForwardTransformTables& forwardTransformTables();

}  // namespace tesk
