#include "teskenc/stream/ControlFile.h"

#include <cstdio>

#include "teskenc/stream/AsciiCase.h"
#include "teskenc/stream/ErrorText.h"
#include "teskenc/stream/FileHandle.h"
#include "teskenc/stream/ScanInt.h"
#include "teskenc/stream/TeskError.h"
#include "teskenc/stream/TextLine.h"

namespace tesk {

namespace {

constexpr std::string_view kBlanks = "\t ";
// Lines are read as 512-byte pieces with their terminator; what a longer line holds beyond is dropped.
constexpr std::size_t kMaxLineLength = 511;
// Far above any real control file.
constexpr std::size_t kMaxFileBytes = 1 << 20;
constexpr std::string_view kTrailingBlanks = "\t\n ";

std::string_view trimLeft(std::string_view text, std::string_view blanks) {
    const size_t first = text.find_first_not_of(blanks);
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string_view trimRight(std::string_view text, std::string_view blanks) {
    const size_t last = text.find_last_not_of(blanks);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

std::string_view trim(std::string_view text) { return trimRight(trimLeft(text, kBlanks), kBlanks); }

}  // namespace

ControlFile::ControlFile(const std::string& path, int argc, const char* const* argv) { load(path, argc, argv); }

bool ControlFile::load(const std::string& path, int argc, const char* const* argv) {
    FileHandle file(std::fopen(path.c_str(), "r"));
    if (!file) return false;
    // A section is only kept once a key line follows it.
    bool pending = false;
    std::string line;
    std::size_t bytesRead = 0;
    while (readTextLine(file.get(), line, kMaxLineLength, &bytesRead)) {
        // Every line read is kept: a file that never ends must not fill the memory.
        if (bytesRead > kMaxFileBytes)
            throw TeskError(formatMessage("control file [%s] is larger than %zu bytes\n", path.c_str(), kMaxFileBytes));
        if (parseSectionLine(line)) {
            if (pending) sections_.erase(sections_.end() - 2);
            pending = true;
        } else if (parseKeyLine(line, argc, argv) && pending) {
            sections_.back().firstEntry = entries_.size() - 1;
            pending = false;
        }
    }
    if (pending) sections_.pop_back();
    return true;
}

bool ControlFile::parseSectionLine(std::string_view line) {
    const size_t open = line.find('[');
    if (open == std::string_view::npos) return false;
    const size_t close = line.find(']');
    if (close == std::string_view::npos || close < open) return false;
    const std::string_view name = trim(line.substr(open + 1, close - open - 1));
    if (name.empty()) return false;
    sections_.push_back(Section{std::string(name), 0});
    return true;
}

bool ControlFile::parseKeyLine(std::string_view line, int argc, const char* const* argv) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    const std::string_view key = trim(line.substr(0, equals));
    if (key.empty()) return false;
    std::string_view value = line.substr(equals + 1);
    const size_t comment = value.find("//");
    if (comment != std::string_view::npos) value = value.substr(0, comment);
    value = trimLeft(value, kBlanks);
    if (!value.empty() && value.front() == '%') {
        std::string_view number = value.substr(1);
        const std::optional<int32_t> argument = scanInt(number);
        // The caller's argument is used whole: a file name may begin or end in a blank.
        if (argument && *argument > 0 && *argument < argc) {
            entries_.push_back(ControlEntry{std::string(key), std::string(argv[*argument])});
            return true;
        }
    }
    entries_.push_back(ControlEntry{std::string(key), std::string(trimRight(value, kTrailingBlanks))});
    return true;
}

std::optional<size_t> ControlFile::findValue(std::string_view section, std::string_view key) const {
    for (size_t s = 0; s < sections_.size(); ++s) {
        if (!equalsIgnoringAsciiCase(sections_[s].name, section)) continue;
        // Only the first section of a name is searched.
        const size_t end = s + 1 < sections_.size() ? sections_[s + 1].firstEntry : entries_.size();
        for (size_t e = sections_[s].firstEntry; e < end; ++e) {
            if (equalsIgnoringAsciiCase(entries_[e].key, key)) return e;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

bool ControlFile::getString(std::string_view section, std::string_view key, std::string& value) const {
    const std::optional<size_t> entry = findValue(section, key);
    if (!entry) return false;
    value = entries_[*entry].value;
    return true;
}

bool ControlFile::getInt(std::string_view section, std::string_view key, int32_t& value) const {
    const std::optional<size_t> entry = findValue(section, key);
    if (!entry) return false;
    std::string_view text = entries_[*entry].value;
    const std::optional<int32_t> number = scanInt(text);
    if (!number) return false;
    value = *number;
    return true;
}

}  // namespace tesk
