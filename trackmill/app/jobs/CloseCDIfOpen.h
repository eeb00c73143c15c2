#pragma once
#include <cstdint>

// True for handle 0 (nothing open); otherwise whether the CD layer closed the handle.
bool CloseCDIfOpen(std::uint32_t Handle);
