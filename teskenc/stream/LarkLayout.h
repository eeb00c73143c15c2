#pragma once

#include <cstdint>

#include "teskenc/codec/FrameLayout.h"

namespace tesk {

// Words of the Lark stream layout around the frames.
inline constexpr uint16_t kControlMarker = 0xFFFF;
// Header word bit 15: the first frame is a normal frame of the start rate, not a start-up frame.
inline constexpr uint16_t kNormalFirstFrame = 0x8000;
inline constexpr uint16_t kHeaderRateMask = 0x00FF;
// Control word bit 8: bits 0-7 are a sample count (0 meaning all 128), not a new rate id.
inline constexpr int32_t kSampleCountFlag = 0x100;
inline constexpr int32_t kControlValueMask = 0xFF;
inline constexpr int kEventIdShift = 9;
// Room for the largest frame and the word past it that a bit reader may look at.
inline constexpr int kFrameBufferWords = kMaxFrameWords + 1;

}  // namespace tesk
