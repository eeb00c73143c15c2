#include "finchenc/QuantizerTables.h"

#include <array>

namespace finch {

namespace {

// Odd multiples of 1/2^n: the midpoints of 2^(n-1) equal steps over 0..1.
template <int n>
constexpr std::array<double, (1 << (n - 1))> uniformCentres() {
    std::array<double, (1 << (n - 1))> centres{};
    for (int i = 0; i < (1 << (n - 1)); ++i) {
        centres[i] = (2 * i + 1) / static_cast<double>(1 << n);
    }
    return centres;
}

template <int n>
constexpr std::array<std::uint16_t, (1 << (n - 1))> uniformLevels() {
    std::array<std::uint16_t, (1 << (n - 1))> levels{};
    for (int i = 0; i < (1 << (n - 1)); ++i) {
        levels[i] = static_cast<std::uint16_t>((65536 >> n) * (2 * i + 1));
    }
    return levels;
}

constexpr std::array<double, 2> kCentres2 = {0.33, 0.66};
constexpr auto kCentres3 = uniformCentres<3>();
constexpr auto kCentres4 = uniformCentres<4>();
constexpr auto kCentres5 = uniformCentres<5>();

constexpr std::array<std::uint16_t, 1> kLevels1 = {22936};
constexpr std::array<std::uint16_t, 2> kLevels2 = {21626, 43252};
constexpr auto kLevels3 = uniformLevels<3>();
constexpr auto kLevels4 = uniformLevels<4>();
constexpr auto kLevels5 = uniformLevels<5>();

}  // namespace

std::span<const double> quantizerCentres(int n) {
    switch (n) {
        case 2:
            return kCentres2;
        case 3:
            return kCentres3;
        case 4:
            return kCentres4;
        case 5:
            return kCentres5;
        default:
            return {};
    }
}

std::span<const std::uint16_t> dequantizerLevels(int n) {
    switch (n) {
        case 1:
            return kLevels1;
        case 2:
            return kLevels2;
        case 3:
            return kLevels3;
        case 4:
            return kLevels4;
        case 5:
            return kLevels5;
        default:
            return {};
    }
}

}  // namespace finch
