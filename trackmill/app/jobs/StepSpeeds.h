#pragma once
// The speeds the compression progress window learns for the steps that report no progress of their own (the
// resampler and the Lark encoder), and the time estimates it shows from them. A speed is in bytes of input per
// millisecond; one of 0 or less (never learned, or a hand-edited options.ini) counts as not learned.
#include <cstdint>

inline constexpr std::int32_t LearnedTimings = 10;  // a speed is learned from this many steps, then kept
inline constexpr std::uint32_t EstimateTick = 500;  // ms per step of the estimate's progress bar

// Takes one timed step into Rate, while Count is below LearnedTimings: a step of more than two whole seconds
// (rounded) gives fileSize / elapsed, averaged with an already learned Rate; every step counts, also a short one.
void LearnSpeed(std::int32_t& Rate, std::int32_t& Count, std::int64_t fileSize, std::int64_t elapsedSeconds);

enum class TEstimatedStep { Resample, Lark };

struct TStepEstimate {
    std::int64_t Seconds = 0;  // shown as the estimated time
    std::int32_t BarMax = 1;   // progress bar steps of EstimateTick until the estimate has passed; at least 1
};

// From a learned Rate, or without one from the step's fixed speed: the resampler at 3 MiB/s, the Lark encoder at
// 405, 160 or 145 KiB/s for rate index 0, 1 or 2, each with two seconds of start-up.
TStepEstimate EstimateStep(std::int64_t fileSize, std::int32_t Rate, TEstimatedStep step, int rateIndex);
