#pragma once
// Watches the folders that hold CD images (inotify): a file in them created, written, renamed, removed or changed
// in its attributes makes the descriptor readable. The folders are those of the images the drive list names.
#include <set>
#include <string>

namespace platform::cdrom::detail {

class ImageFolderWatch {
  public:
    ImageFolderWatch();
    ~ImageFolderWatch();
    ImageFolderWatch(const ImageFolderWatch&) = delete;
    ImageFolderWatch& operator=(const ImageFolderWatch&) = delete;

    // -1 when inotify is not available.
    int descriptor() const { return fd_; }
    // Watches the folder of each image path not watched yet; a folder that does not exist is tried again at the
    // next call.
    void watchFoldersOf(const std::set<std::string>& imagePaths);
    // Reads what is pending; true when anything changed.
    bool drain();

  private:
    int fd_;
    std::set<std::string> folders_;
};

}  // namespace platform::cdrom::detail
