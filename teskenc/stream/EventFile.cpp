#include "teskenc/stream/EventFile.h"

#include <cerrno>
#include <string_view>

#include "teskenc/codec/FrameLayout.h"
#include "teskenc/stream/ErrorText.h"
#include "teskenc/stream/ScanInt.h"
#include "teskenc/stream/TeskError.h"
#include "teskenc/stream/TextLine.h"

namespace tesk {

namespace {

// Lines are read up to 1023 characters; what a longer line holds beyond is dropped.
constexpr std::size_t kMaxLineLength = 1023;

void requireEventRate(int32_t rate) {
    if (rate == EventLine::kNoRateChange) return;
    // Ids that reach a codec which rejects them stop with that codec's message, as a coded frame would.
    if (rate >= 0 && rate < EventLine::kNoRateChange) {
        requireCodecRateId(rate);
        return;
    }
    throw TeskError("event rate must be in 0 ~ 2, 4 ~ 9 or 256 (256 indicates no rate change)\n");
}

}  // namespace

EventFile::EventFile(const std::string& path) : path_(path), file_(std::fopen(path.c_str(), "r")) {
    if (!file_) throw TeskError(formatMessage("open event file [%s] error\n", path.c_str()));
}

std::optional<EventLine> EventFile::next() {
    std::string line;
    while (readTextLine(file_.get(), line, kMaxLineLength)) {
        std::string_view text = line;
        const std::optional<int32_t> position = scanInt(text);
        if (!position) continue;
        const std::optional<int32_t> rate = scanInt(text);
        if (!rate) continue;
        const int32_t eventId = scanInt(text).value_or(0);
        if (eventId < 0 || eventId > EventLine::kMaxEventId) {
            throw TeskError(
                formatMessage("event id must be in 0 ~ %d (0 indicates no event)\n", EventLine::kMaxEventId));
        }
        requireEventRate(*rate);
        return EventLine{*position / kFrameSamples * kFrameSamples, *rate, eventId};
    }
    if (std::ferror(file_.get())) throw TeskError(systemErrorMessage("read event file", path_, errno));
    return std::nullopt;
}

}  // namespace tesk
