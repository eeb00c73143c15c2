#include "trackmill/app/TimeTexts.h"

#include "platform/framework/Round.h"
#include "trackmill/app/ProcessInfo.h"

std::string TwoDigitStr(std::int64_t n) {
    const std::string digits = std::to_string(n);
    return n < 10 ? "0" + digits : digits;
}

std::string MinutesSecondsText(std::int64_t seconds) {
    return TwoDigitStr(seconds / 60) + ":" + TwoDigitStr(seconds % 60);
}

void SetTimeTexts(TProcessInfo& info, std::chrono::steady_clock::duration elapsed) {
    if (info.Percent == 0) return;
    const std::int64_t seconds = framework::Round(std::chrono::duration<double>(elapsed).count());
    const std::int64_t total =
        framework::Round(static_cast<double>(seconds) * 100.0 / static_cast<double>(info.Percent));
    info.ElapsedText = MinutesSecondsText(seconds);
    info.EstimatedText = MinutesSecondsText(total);
}
