#include "platform/cdrom/detail/OpenDrive.h"

#include "platform/cdrom/detail/DoorState.h"

#include <utility>

namespace platform::cdrom::detail {

OpenDrive::OpenDrive(Drive drive) : drive_(std::move(drive)) {
    if (drive_.kind == Drive::Kind::Image) watch_ = std::make_unique<ImageFileWatch>(drive_.path);
}

std::mutex& OpenDrive::mutex() { return mutex_; }

const DiscLayout* OpenDrive::reload() {
    // What happened before this look is seen by it; only what comes after counts as a change.
    if (watch_) watch_->changed();
    layout_.reset();
    disc_.reset();
    media_ = ProbeMedia(drive_);
    if (!media_) return nullptr;
    disc_ = OpenDisc(drive_);
    if (disc_) layout_ = ReadLayout(drive_, disc_.get());
    return layout_ ? &*layout_ : nullptr;
}

const DiscLayout* OpenDrive::current() {
    if (!layout_ || (mediaMayHaveChanged() && ProbeMedia(drive_) != media_)) return reload();
    return &*layout_;
}

bool OpenDrive::mediaMayHaveChanged() {
    if (drive_.kind == Drive::Kind::Device || IsImageDoorOpen(drive_.id)) return true;
    return watch_->changed();
}

CdIo_t* OpenDrive::cdio() const { return disc_.get(); }

}  // namespace platform::cdrom::detail
