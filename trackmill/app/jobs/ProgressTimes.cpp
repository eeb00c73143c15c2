#include "trackmill/app/jobs/ProgressTimes.h"

#include <cstdint>

#include "platform/framework/Round.h"
#include "trackmill/app/jobs/ProcessInfo.h"
#include "trackmill/app/texts/TimeTexts.h"

void SetTimeTexts(TProcessInfo& info, std::chrono::steady_clock::duration elapsed) {
    if (info.Percent == 0) return;
    const std::int64_t seconds = framework::Round(std::chrono::duration<double>(elapsed).count());
    const std::int64_t total =
        framework::Round(static_cast<double>(seconds) * 100.0 / static_cast<double>(info.Percent));
    info.ElapsedText = MinutesSecondsText(seconds);
    info.EstimatedText = MinutesSecondsText(total);
}
