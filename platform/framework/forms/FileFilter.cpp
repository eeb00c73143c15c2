#include "platform/framework/forms/FileFilter.h"

#include <cctype>
#include <sstream>

namespace framework {

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.emplace_back();
    return parts;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

}  // namespace

std::vector<FileFilterEntry> ParseFileFilter(const std::string& filter) {
    const std::vector<std::string> parts = Split(filter, '|');
    std::vector<FileFilterEntry> entries;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        FileFilterEntry entry;
        entry.label = parts[i];
        for (const std::string& pattern : Split(parts[i + 1], ';'))
            if (!Trimmed(pattern).empty()) entry.patterns.push_back(Trimmed(pattern));
        entries.push_back(entry);
    }
    return entries;
}

bool MatchesPattern(const std::string& name, const std::string& pattern) {
    // "*.*" names every file, with an extension or not, as on the platform.
    if (pattern == "*.*" || pattern == "*") return true;
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starP = std::string::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || SameLetter(pattern[p], name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

bool MatchesAnyPattern(const std::string& name, const std::vector<std::string>& patterns) {
    for (const std::string& pattern : patterns)
        if (MatchesPattern(name, pattern)) return true;
    return patterns.empty();
}

}  // namespace framework
