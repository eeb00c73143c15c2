#pragma once
// Whether a step that reports nothing itself (the resampler, the Lark encoder) wrote its output: the file is
// there, was written after the step began, and holds more than a header.
#include <sys/types.h>
#include <cstdint>
#include <string>

class TStepOutput {
  public:
    // Notes what lies at path before the step runs; headerBytes is the size of an output holding no sound.
    TStepOutput(const std::string& path, std::int64_t headerBytes);
    bool Produced() const;

  private:
    std::string path_;
    std::int64_t headerBytes_;
    bool existed_ = false;
    struct timespec modified_ {};
};
