#include "platform/framework/TIniFile.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/framework/EConvertError.h"
#include "platform/framework/EInOutError.h"
#include "platform/framework/IntegerText.h"
#include "platform/framework/StringRoutines.h"
#include "platform/framework/TemporaryOutput.h"

namespace framework {

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

bool SameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string> SectionName(std::string line) {
    if (line.rfind(kByteOrderMark, 0) == 0) line.erase(0, 3);
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    return Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

struct KeyLine {
    std::string key;
    std::string value;
};

std::optional<KeyLine> ParseKeyLine(const std::string& line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) return std::nullopt;
    return KeyLine{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

// Earlier saves wrote beside the file as "<name>.<process id>-<count>", and a killed one left that behind.
// One whose process is gone is removed.
void RemoveEarlierLeftovers(const std::filesystem::path& target) {
    const std::string prefix = target.filename().string() + ".";
    std::error_code error;
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string tail = name.substr(prefix.size());
        const std::size_t dash = tail.find('-');
        const auto digits = [](const std::string& text) {
            return !text.empty() && text.size() < 10 &&
                   std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        };
        if (dash == std::string::npos || !digits(tail.substr(0, dash)) || !digits(tail.substr(dash + 1))) continue;
        std::error_code ignored;
        if (!entry.is_regular_file(ignored) || entry.is_symlink(ignored)) continue;
        const pid_t owner = static_cast<pid_t>(std::stol(tail.substr(0, dash)));
        if (owner > 0 && ::kill(owner, 0) != 0 && errno == ESRCH) std::filesystem::remove(entry.path(), ignored);
    }
}

}  // namespace

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {
    // Only a plain file is read: a folder or a pipe in its place reads as empty instead of failing or blocking.
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(fileName_, ignored)) return;
    std::ifstream in(fileName_, std::ios::binary);
    if (!in) return;
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        const bool terminated = end != std::string::npos;
        if (!terminated) end = content.size();
        std::string line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
            if (lines_.empty()) lineEnd_ = "\r\n";
        }
        lines_.push_back(std::move(line));
        start = end + 1;
    }
}

std::optional<std::size_t> TIniFile::FindSection(const std::string& section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i]);
        if (name && SameText(*name, section)) return i;
    }
    return std::nullopt;
}

std::size_t TIniFile::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && !SectionName(lines_[i])) ++i;
    return i;
}

std::optional<std::size_t> TIniFile::FindKey(std::size_t header, const std::string& key) const {
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const auto parsed = ParseKeyLine(lines_[i]);
        if (parsed && SameText(parsed->key, key)) return i;
    }
    return std::nullopt;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& fallback) const {
    const auto header = FindSection(section);
    if (!header) return fallback;
    const auto line = FindKey(*header, key);
    if (!line) return fallback;
    return ParseKeyLine(lines_[*line])->value;
}

std::int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key, std::int32_t fallback) const {
    return StrToIntDef(ReadString(section, key, ""), fallback);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

bool TIniFile::Storable(const std::string& value) {
    if (!value.empty() && (value.front() == ' ' || value.back() == ' ')) return false;
    return std::none_of(value.begin(), value.end(),
                        [](char c) { return static_cast<unsigned char>(c) < ' ' || c == '\x7F'; });
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    if (!Storable(value))
        throw EConvertError("\"" + key + "\" cannot be stored in \"" + fileName_ +
                            "\": blanks at an end or a control character");
    const auto header = FindSection(section);
    if (!header) {
        if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + section + "]");
        lines_.push_back(key + "=" + value);
    } else if (const auto line = FindKey(*header, key)) {
        // The stored spelling of the key stays.
        lines_[*line] = ParseKeyLine(lines_[*line])->key + "=" + value;
    } else {
        // After the section's last non-blank line, so the blank line before the next section stays there.
        std::size_t insertAt = SectionEnd(*header);
        while (insertAt > *header + 1 && Trim(lines_[insertAt - 1]).empty()) --insertAt;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), key + "=" + value);
    }
    if (!updating_) Save();
}

void TIniFile::EndUpdate() {
    updating_ = false;
    Save();
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, std::int32_t value) {
    WriteString(section, key, IntToStr(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TIniFile::Save() const {
    std::string content;
    for (const std::string& line : lines_) content += line + lineEnd_;
    const std::string what = "Cannot write \"" + fileName_ + "\"";
    // A link is followed, so that it stays a link.
    std::error_code ignored;
    const std::filesystem::path target = std::filesystem::is_symlink(fileName_, ignored)
                                             ? std::filesystem::canonical(fileName_, ignored)
                                             : std::filesystem::path(fileName_);
    RemoveEarlierLeftovers(target);
    try {
        TemporaryOutput output(target.string());
        const int fd = ::open(output.path().c_str(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) throw EInOutError(what, errno);
        int cause = 0;
        std::size_t done = 0;
        while (cause == 0 && done < content.size()) {
            const ssize_t written = ::write(fd, content.data() + done, content.size() - done);
            if (written >= 0)
                done += static_cast<std::size_t>(written);
            else if (errno != EINTR)
                cause = errno;
        }
        if (::close(fd) != 0 && cause == 0) cause = errno;
        if (cause == 0 && !output.commit()) cause = errno;
        if (cause != 0) throw EInOutError(what, cause);
    } catch (const std::system_error& error) {
        throw EInOutError(what, error.code().value());
    }
}

}  // namespace framework
