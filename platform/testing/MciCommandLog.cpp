#include "platform/testing/MciCommandLog.h"

namespace testdriver {

MciCommandLog::MciCommandLog() {
    previous_ = platform::media::SetCommandObserver([this](const std::string& command) {
        std::lock_guard lock(mutex_);
        lines_.push_back(command);
    });
}

MciCommandLog::~MciCommandLog() { platform::media::SetCommandObserver(previous_); }

std::vector<std::string> MciCommandLog::Lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
}

std::vector<std::string> MciCommandLog::LinesStartingWith(const std::string& words) const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> found;
    for (const std::string& line : lines_) {
        const bool wordEnds = line.size() == words.size() || (line.size() > words.size() && line[words.size()] == ' ');
        if (line.compare(0, words.size(), words) == 0 && wordEnds) found.push_back(line);
    }
    return found;
}

void MciCommandLog::Clear() {
    std::lock_guard lock(mutex_);
    lines_.clear();
}

}  // namespace testdriver
