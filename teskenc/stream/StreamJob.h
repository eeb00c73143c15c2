#pragma once

#include <atomic>
#include <cstdint>

namespace tesk {

// A stream coder run start to end; another thread may ask it to stop after the current frame.
class StreamJob {
  public:
    virtual ~StreamJob() = default;
    void cancel() { running_ = false; }
    virtual int32_t totalCount() const = 0;
    virtual int32_t doneCount() const = 0;

  protected:
    std::atomic<bool> running_{false};
};

}  // namespace tesk
