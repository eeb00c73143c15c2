#pragma once
// Blocks the calling thread; it runs no messages and no synchronised calls meanwhile.
#include <cstdint>

namespace framework {

void Sleep(std::uint32_t milliseconds);

}  // namespace framework
