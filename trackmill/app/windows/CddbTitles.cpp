#include "trackmill/app/windows/CddbTitles.h"

#include <cctype>
#include <charconv>
#include <sstream>

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string Trimmed(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlankOrControl(text[first])) ++first;
    while (last > first && IsBlankOrControl(text[last - 1])) --last;
    return text.substr(first, last - first);
}

}  // namespace

std::map<int, std::string> CddbTrackTitles(const std::string& record) {
    static const std::string Key = "TTITLE";
    std::map<int, std::string> raw;
    std::string text = record.substr(0, record.find('\0'));
    for (char& c : text)
        if (c == '\r') c = '\n';
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::string trimmed = Trimmed(line);
        const std::size_t equals = trimmed.find('=');
        if (trimmed.compare(0, Key.size(), Key) != 0 || equals == std::string::npos) continue;
        int number = -1;
        const char* digits = trimmed.data() + Key.size();
        const char* end = trimmed.data() + equals;
        const auto [stop, error] = std::from_chars(digits, end, number);
        if (error != std::errc() || stop != end || digits == end || number < 0) continue;
        // The value as it stands on its line: continuation pieces may end or begin with a meaningful blank.
        raw[number] += line.substr(line.find('=') + 1);
    }
    std::map<int, std::string> titles;
    for (const auto& [number, value] : raw) titles[number] = Trimmed(value);
    return titles;
}
