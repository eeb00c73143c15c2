#pragma once
// A drive behind a handle: its mutex serialises every call on the handle, and it keeps the disc it last opened
// until the medium changes. An image is looked at again only when its files may have changed: a rip reads the
// disc tens of thousands of times.
#include "platform/cdrom/detail/Disc.h"
#include "platform/cdrom/detail/DiscLayout.h"
#include "platform/cdrom/detail/Drive.h"
#include "platform/cdrom/detail/ImageFileWatch.h"

#include <memory>
#include <mutex>
#include <optional>

namespace platform::cdrom::detail {

class OpenDrive {
  public:
    explicit OpenDrive(Drive drive);

    std::mutex& mutex();
    // Opens the medium afresh; null when the drive holds no readable disc. Call with the mutex held.
    const DiscLayout* reload();
    // The opened disc, reopened when the medium has changed since; null when there is none. Call with the mutex held.
    const DiscLayout* current();
    // Valid while current() or reload() answered non-null. Call with the mutex held.
    CdIo_t* cdio() const;

  private:
    bool mediaMayHaveChanged();

    Drive drive_;
    std::unique_ptr<ImageFileWatch> watch_;  // images only
    std::mutex mutex_;
    CdioPtr disc_;
    std::optional<MediaIdentity> media_;
    std::optional<DiscLayout> layout_;
};

}  // namespace platform::cdrom::detail
