#pragma once
// The output file of a job step that may be stopped half-way: what lay at its path before the step ran, so that
// only a file the step itself wrote goes when it is stopped, never an older one it had not touched yet.
#include <sys/stat.h>
#include <string>

class TPartialOutput {
  public:
    // Notes what lies at path now, before the step starts.
    explicit TPartialOutput(const std::string& path);
    // Removes the file at the path when the step created or changed it; returns whether it did.
    bool RemoveIfWritten() const;

  private:
    std::string path_;
    bool existed_ = false;
    struct stat before_ {};
};
