#pragma once
// A new file written beside its target under a name of its own and renamed over the target only when whole, so
// the target is at every moment either as it was or the complete new file. The temporary is held under a lock
// while in use; one left by a killed process is recognised by its free lock and removed by the next output for
// the same target.
#include <string>

namespace framework {

class TemporaryOutput {
  public:
    // Creates the empty temporary (mode of an existing target, else 0666 less the umask), first removing the
    // stale ones for this target. Throws std::system_error with errno when it cannot.
    explicit TemporaryOutput(const std::string& target);
    // Removes the temporary unless committed.
    ~TemporaryOutput();
    TemporaryOutput(const TemporaryOutput&) = delete;
    TemporaryOutput& operator=(const TemporaryOutput&) = delete;

    // Where to write; any writer may open it, a child program too.
    const std::string& path() const { return path_; }
    const std::string& target() const { return target_; }

    // Brings the temporary to the disk and renames it over the target in one step. False with errno set when it
    // fails; the temporary is then removed and the target stays as it was.
    bool commit();

  private:
    std::string target_;
    std::string path_;
    int fd_ = -1;
    bool committed_ = false;
};

}  // namespace framework
