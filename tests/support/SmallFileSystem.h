#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "tests/support/ScratchFolder.h"

namespace testsupport {

// A tmpfs of a few kilobytes mounted on a fresh folder, for the roads that must meet a full disk; unmounted and
// removed at the end of scope. Mounting needs root: where it fails, mounted() is false and skipReason() says why,
// so the test can skip with that message.
class SmallFileSystem {
  public:
    explicit SmallFileSystem(std::size_t bytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& skipReason() const { return skipReason_; }
    const std::filesystem::path& path() const { return folder_.path(); }
    std::string file(const std::string& name) const { return folder_.file(name); }

    // Fills the file system up to `leave` free bytes with a file named "filler"; returns the bytes then free.
    std::size_t fill(std::size_t leave = 0) const;
    // What the file system has free now.
    std::size_t freeBytes() const;

  private:
    ScratchFolder folder_;
    bool mounted_ = false;
    std::string skipReason_;
};

}  // namespace testsupport
