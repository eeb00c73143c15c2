#include "finchenc/WordBuffer.h"

namespace finch {

void putBits(WordBuffer& buffer, std::uint16_t value, int n) {
    if (buffer.filled + n < 16) {
        buffer.accumulator = static_cast<std::uint16_t>((buffer.accumulator << n) | value);
        buffer.filled += n;
        return;
    }
    const int rest = buffer.filled + n - 16;
    const std::uint32_t completed = (static_cast<std::uint32_t>(buffer.accumulator) << (16 - buffer.filled)) |
                                    (static_cast<std::uint32_t>(value) >> rest);
    buffer.words[buffer.count++] = static_cast<std::uint16_t>(completed);
    buffer.accumulator = static_cast<std::uint16_t>(value & ((1u << rest) - 1));
    buffer.filled = rest;
}

}  // namespace finch
