#include "trackmill/app/jobs/StepSpeeds.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::int64_t ShortestTimedSeconds = 2;
constexpr std::int64_t StartUpSeconds = 2;
constexpr std::int64_t ResampleBytesPerSecond = 3145728;
constexpr std::int64_t LarkKibPerSecond[3] = {405, 160, 145};

std::int32_t ClampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 0, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

void LearnSpeed(std::int32_t& Rate, std::int32_t& Count, std::int64_t fileSize, std::int64_t elapsedSeconds) {
    if (Count >= LearnedTimings) return;
    if (elapsedSeconds > ShortestTimedSeconds) {
        const std::int32_t measured = ClampToInt32(std::max<std::int64_t>(fileSize, 0) / (elapsedSeconds * 1000));
        Rate = Rate <= 0 ? measured : ClampToInt32((static_cast<std::int64_t>(Rate) + measured) / 2);
    }
    ++Count;
}

TStepEstimate EstimateStep(std::int64_t fileSize, std::int32_t Rate, TEstimatedStep step, int rateIndex) {
    fileSize = std::max<std::int64_t>(fileSize, 0);
    TStepEstimate estimate;
    std::int64_t milliseconds = 0;
    if (Rate > 0) {
        milliseconds = fileSize / Rate;
        estimate.Seconds = milliseconds / 1000;
    } else {
        const std::int64_t bytesPerSecond = step == TEstimatedStep::Resample
                                                ? ResampleBytesPerSecond
                                                : LarkKibPerSecond[std::clamp(rateIndex, 0, 2)] * 1024;
        estimate.Seconds = fileSize / bytesPerSecond + StartUpSeconds;
        milliseconds = estimate.Seconds * 1000;
    }
    estimate.BarMax = std::max(ClampToInt32(milliseconds / EstimateTick), 1);
    return estimate;
}
