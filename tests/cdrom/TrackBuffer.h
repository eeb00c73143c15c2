#pragma once
// A track buffer with room for a number of sectors, header zeroed and capacity set, as the rip thread makes one.
#include "platform/cdrom/CdRecords.h"

#include <memory>

class TrackBuffer {
  public:
    explicit TrackBuffer(int sectors);

    platform::cdrom::TTrackBuffer* get() { return buffer_; }
    platform::cdrom::TTrackBuffer* operator->() { return buffer_; }

  private:
    std::unique_ptr<std::byte[]> storage_;
    platform::cdrom::TTrackBuffer* buffer_;
};
