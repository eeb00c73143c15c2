#pragma once
// An INI file read and written with the profile rules: a missing file, section or key gives the default;
// section and key names ignore (ASCII) case; values are trimmed; an integer that does not read as one
// (decimal, or hexadecimal as "$1F" or "0x1F") gives the default; booleans are written 1/0 and read as
// non-zero integers. Each write updates the file at once: the key's line is replaced, a new key goes at the end of
// its section and a new section at the end of the file; every other line, comments and unknown keys included,
// stays as it was, with the file's line ends. The file is replaced whole by a flushed copy (TemporaryOutput),
// never rewritten in place, so a failed or killed write leaves it as it was.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/framework/TObject.h"

namespace framework {

class TIniFile : public TObject {
  public:
    // Reads the file if it can; an absent or unreadable file reads as empty.
    explicit TIniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) const;
    std::int32_t ReadInteger(const std::string& section, const std::string& key, std::int32_t fallback) const;
    bool ReadBool(const std::string& section, const std::string& key, bool fallback) const;

    // Whether the value reads back exactly as written: values are trimmed when read and a line holds one key, so
    // blanks at either end and control characters (line breaks among them) cannot be stored.
    static bool Storable(const std::string& value);

    // Raise EInOutError when the file cannot be written; WriteString raises EConvertError for a value that is
    // not Storable, before anything changes.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, std::int32_t value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

    // Between the two, writes change only the text held here, and EndUpdate replaces the file once for all of
    // them (raising EInOutError when it cannot).
    void BeginUpdate() { updating_ = true; }
    void EndUpdate();

  private:
    // Index of the section's header line.
    std::optional<std::size_t> FindSection(const std::string& section) const;
    // Index of the key's line within the section that starts after header.
    std::optional<std::size_t> FindKey(std::size_t header, const std::string& key) const;
    std::size_t SectionEnd(std::size_t header) const;
    void Save() const;

    std::string fileName_;
    std::vector<std::string> lines_;
    std::string lineEnd_ = "\n";
    bool updating_ = false;
};

}  // namespace framework
