#pragma once
// Names the given images as the drives of the CD layer (TRACKMILL_CD_IMAGES) for the life of the object, and
// restores what was named before. Set it before starting threads that use the CD layer.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace cdrom_test {

class ImageDrives {
  public:
    explicit ImageDrives(const std::vector<std::filesystem::path>& cueFiles);
    ~ImageDrives();
    ImageDrives(const ImageDrives&) = delete;
    ImageDrives& operator=(const ImageDrives&) = delete;

  private:
    std::optional<std::string> previous_;
};

}  // namespace cdrom_test
