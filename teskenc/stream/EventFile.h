#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "teskenc/stream/FileHandle.h"

namespace tesk {

// One line of the event file: where, which rate to switch to (or kNoRateChange), and which event to mark.
struct EventLine {
    static constexpr int32_t kNoRateChange = 256;
    static constexpr int32_t kMaxEventId = 126;

    int32_t position = 0;  // a multiple of 128, rounded toward zero
    int32_t rate = 0;
    int32_t eventId = 0;  // 0: no event
};

// The text file of "position rate [event id]" lines that drives rate changes and event marks.
class EventFile {
  public:
    // Throws TeskError when the file cannot be opened.
    explicit EventFile(const std::string& path);

    // The next line that holds at least two numbers; none at the end of the file. Lines with fewer are skipped.
    // Throws TeskError for an event id outside 0..126, a rate field that is no rate id and not 256, or a read error.
    std::optional<EventLine> next();

  private:
    std::string path_;
    FileHandle file_;
};

}  // namespace tesk
