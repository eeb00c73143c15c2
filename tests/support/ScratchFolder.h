#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// A fresh folder under `base` (the system's temporary folder unless given), removed with everything in it at
// the end of scope. The folder's own permissions are restored first, so a test may lock it down.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& prefix = "trackmill-test",
                           const std::filesystem::path& base = std::filesystem::temp_directory_path());
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // (path() / name) as text, for APIs that take strings.
    std::string file(const std::string& name) const { return (path_ / name).string(); }

    // Writes a file of these bytes in the folder and returns its path.
    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    // Writes an executable shell script with the body after a "#!/bin/sh" line.
    std::filesystem::path writeScript(const std::string& name, const std::string& body) const;

  private:
    std::filesystem::path path_;
};

}  // namespace testsupport
