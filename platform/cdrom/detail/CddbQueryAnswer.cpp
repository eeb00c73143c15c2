#include "platform/cdrom/detail/CddbQueryAnswer.h"

#include <cstdlib>
#include <sstream>

namespace platform::cdrom::detail {
namespace {

// "<category> <discid> <title>"; false when the line does not start so.
bool ParseMatch(const std::string& line, CddbMatch& match) {
    std::istringstream fields(line);
    std::string id;
    if (!(fields >> match.category >> id) || id.size() != 8 || match.category.size() >= kCddbCategoryBytes)
        return false;
    char* end = nullptr;
    match.discId = static_cast<unsigned>(std::strtoul(id.c_str(), &end, 16));
    return *end == '\0';
}

}  // namespace

std::optional<std::vector<CddbMatch>> ParseQueryAnswer(const std::string& answer) {
    std::vector<std::string> lines;
    std::istringstream text(answer);
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    if (lines.empty() || lines[0].size() < 3) return std::nullopt;
    const std::string code = lines[0].substr(0, 3);
    std::vector<CddbMatch> matches;
    CddbMatch match;
    if (code == "202") return matches;
    if (code == "200") {
        if (!ParseMatch(lines[0].substr(3), match)) return std::nullopt;
        matches.push_back(match);
        return matches;
    }
    if (code != "210" && code != "211") return std::nullopt;
    for (std::size_t i = 1; i < lines.size() && lines[i] != "."; ++i) {
        if (!ParseMatch(lines[i], match)) return std::nullopt;
        matches.push_back(match);
    }
    return matches;
}

}  // namespace platform::cdrom::detail
