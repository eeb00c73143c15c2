#include "finchenc/NoiseGenerator.h"

namespace finch {

std::int16_t NoiseGenerator::next() {
    state = static_cast<std::uint16_t>(state * 31821u + 13849u);
    return static_cast<std::int16_t>(state);
}

}  // namespace finch
