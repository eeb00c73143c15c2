#include "trackmill/app/windows/TrackRow.h"

#include <cstdint>

#include "platform/framework/Round.h"
#include "trackmill/app/texts/TimeTexts.h"

namespace {

constexpr std::int64_t CdBytesPerSecond = 176400;
constexpr double BytesPerMegabyte = 1048576.0;

}  // namespace

std::string GeneratedTrackTitle(int track) { return (track < 10 ? "音轨  " : "音轨 ") + std::to_string(track); }

TrackRowTexts MakeTrackRow(int track, TocTime start, TocTime next) {
    int minutes = next.Minutes - start.Minutes;
    int seconds = next.Seconds - start.Seconds;
    if (seconds < 0) {
        seconds += 60;
        minutes -= 1;
    }
    const std::int64_t bytes = (std::int64_t{minutes} * 60 + seconds) * CdBytesPerSecond;
    const std::int64_t hundredths = framework::Round(static_cast<double>(bytes) / BytesPerMegabyte * 100);
    return {GeneratedTrackTitle(track), TwoDigitStr(minutes) + ":" + TwoDigitStr(seconds),
            TwoDigitStr(hundredths / 100) + "." + TwoDigitStr(hundredths % 100)};
}
