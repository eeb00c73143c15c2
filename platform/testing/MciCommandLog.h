#pragma once
// Keeps, while it lives, every command the media control interface runs, in order, as the lines the command
// observer gives ("play from 15000").
#include <mutex>
#include <string>
#include <vector>

#include "platform/media/CommandObserver.h"

namespace testdriver {

class MciCommandLog {
  public:
    MciCommandLog();
    ~MciCommandLog();
    MciCommandLog(const MciCommandLog&) = delete;
    MciCommandLog& operator=(const MciCommandLog&) = delete;

    std::vector<std::string> Lines() const;
    // The lines that start with the word or words given ("play", "seek to"), in order.
    std::vector<std::string> LinesStartingWith(const std::string& words) const;
    void Clear();

  private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    platform::media::CommandObserver previous_;
};

}  // namespace testdriver
