#include "platform/cdrom/detail/OpenDrive.h"

#include <utility>

namespace platform::cdrom::detail {

OpenDrive::OpenDrive(Drive drive) : drive_(std::move(drive)) {}

std::mutex& OpenDrive::mutex() { return mutex_; }

const DiscLayout* OpenDrive::reload() {
    layout_.reset();
    disc_.reset();
    media_ = ProbeMedia(drive_);
    if (!media_) return nullptr;
    disc_ = OpenDisc(drive_);
    if (disc_) layout_ = ReadLayout(drive_, disc_.get());
    return layout_ ? &*layout_ : nullptr;
}

const DiscLayout* OpenDrive::current() {
    if (!layout_ || ProbeMedia(drive_) != media_) return reload();
    return &*layout_;
}

CdIo_t* OpenDrive::cdio() const { return disc_.get(); }

}  // namespace platform::cdrom::detail
