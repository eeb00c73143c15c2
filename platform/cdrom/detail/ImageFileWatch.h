#pragma once
// Tells whether a BIN/CUE image may have changed since the last look, without looking at the files: inotify on the
// folders that hold them (as named and as their links resolve) reports their files created, written, renamed,
// removed or changed in their attributes. The kernel queues an event before the call that caused it returns, so a
// change made before a look is seen by it. Where the watch cannot be set up or has been lost (its folder removed or
// renamed, the event queue overflowing) every look answers yes.
#include <set>
#include <string>

namespace platform::cdrom::detail {

class ImageFileWatch {
  public:
    explicit ImageFileWatch(const std::string& cuePath);
    ~ImageFileWatch();
    ImageFileWatch(const ImageFileWatch&) = delete;
    ImageFileWatch& operator=(const ImageFileWatch&) = delete;

    // Reads what is pending: true when any of it concerns the image, or when the watch cannot be trusted.
    bool changed();

  private:
    int fd_;
    bool lost_ = false;
    std::set<std::string> names_;  // the file names of the CUE and the BIN, as named and as resolved
};

}  // namespace platform::cdrom::detail
