#pragma once
// File-dialog filters: "label|pattern;pattern|label|pattern...". Patterns match names case-insensitively, as
// they do on the platform the dialogs come from, so "*.wav" also shows "TRACK.WAV".
#include <string>
#include <vector>

namespace framework {

struct FileFilterEntry {
    std::string label;
    std::vector<std::string> patterns;
};

std::vector<FileFilterEntry> ParseFileFilter(const std::string& filter);
// '*' stands for any run of characters, '?' for one; ASCII letters match either case.
bool MatchesPattern(const std::string& name, const std::string& pattern);
bool MatchesAnyPattern(const std::string& name, const std::vector<std::string>& patterns);

}  // namespace framework
