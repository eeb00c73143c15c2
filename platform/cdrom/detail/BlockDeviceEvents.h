#pragma once
// The kernel's device events for block devices (a netlink socket): drives plugged in or out, and the media changes
// that the kernel finds when it polls removable drives. Needs no device manager running.

namespace platform::cdrom::detail {

class BlockDeviceEvents {
  public:
    BlockDeviceEvents();
    ~BlockDeviceEvents();
    BlockDeviceEvents(const BlockDeviceEvents&) = delete;
    BlockDeviceEvents& operator=(const BlockDeviceEvents&) = delete;

    // -1 when the kernel's events cannot be received here.
    int descriptor() const { return fd_; }
    // Reads what is pending; true when a block device changed.
    bool drain();

  private:
    int fd_;
};

}  // namespace platform::cdrom::detail
