#pragma once

#include <string>

// The copy being written, under a temporary name beside its destination: renamed over the destination by
// commit, removed otherwise, also when rs is ended by a signal. So the destination is either the complete new
// copy or what it was before. One at a time.
class StagedFile {
  public:
    // Creates the temporary file; when that fails, created() is false and errno tells why.
    explicit StagedFile(std::string destination);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    bool created() const { return !path_.empty(); }
    const std::string& path() const { return path_; }
    // Puts the finished file in place of the destination; false with errno set when it cannot.
    bool commit();

  private:
    std::string destination_;
    std::string path_;
    bool committed_ = false;
};
