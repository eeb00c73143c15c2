#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesk {

// One accepted key line.
struct ControlEntry {
    std::string key;
    std::string value;
};

// The settings file of teskenc: "[section]" lines, "key = value // comment" lines, and values "%N" that stand
// for command-line argument N, taken whole (only the file's own text is trimmed). Read once at construction; a file
// that cannot be read leaves it empty. Lines keep their first 511 characters; a file of more than 1 MiB throws
// TeskError.
class ControlFile {
  public:
    ControlFile(const std::string& path, int argc, const char* const* argv);

    bool load(const std::string& path, int argc, const char* const* argv);
    // Both leave the output untouched when the key is missing; getInt also when the value has no leading number.
    bool getString(std::string_view section, std::string_view key, std::string& value) const;
    bool getInt(std::string_view section, std::string_view key, int32_t& value) const;
    // Position of the entry in entries(), or none.
    std::optional<size_t> findValue(std::string_view section, std::string_view key) const;

    const std::vector<ControlEntry>& entries() const { return entries_; }

  private:
    struct Section {
        std::string name;
        size_t firstEntry = 0;
    };

    bool parseSectionLine(std::string_view line);
    bool parseKeyLine(std::string_view line, int argc, const char* const* argv);

    std::vector<Section> sections_;
    std::vector<ControlEntry> entries_;
};

}  // namespace tesk
