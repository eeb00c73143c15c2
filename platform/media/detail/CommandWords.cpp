#include "platform/media/detail/CommandWords.h"

namespace platform::media::detail {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::optional<std::vector<std::string>> SplitCommandWords(const std::string& command) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < command.size()) {
        if (IsBlank(command[at])) {
            ++at;
            continue;
        }
        if (command[at] == '"') {
            const std::size_t close = command.find('"', at + 1);
            if (close == std::string::npos) return std::nullopt;
            words.push_back(command.substr(at + 1, close - at - 1));
            at = close + 1;
            continue;
        }
        const std::size_t start = at;
        while (at < command.size() && !IsBlank(command[at])) ++at;
        words.push_back(command.substr(start, at - start));
    }
    return words;
}

}  // namespace platform::media::detail
