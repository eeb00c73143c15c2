#pragma once
// The devices opened through the media control interface, by id and by name. Ids are never reused.
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/media/MciTypes.h"

namespace platform::media {

class WaveDevice;

namespace detail {

enum class DeviceType { WaveAudio, CdAudio };

struct OpenDevice {
    win::MCIDEVICEID id = 0;
    DeviceType type = DeviceType::WaveAudio;
    std::string alias;
    std::string element;
    std::shared_ptr<WaveDevice> wave;  // null for cdaudio
};

class DeviceTable {
  public:
    static DeviceTable& instance();

    // 0 when the alias is taken by another device.
    win::MCIDEVICEID add(OpenDevice device);
    std::shared_ptr<OpenDevice> find(win::MCIDEVICEID id) const;
    // By alias (letter case ignored), else by element name.
    std::shared_ptr<OpenDevice> find(const std::string& name) const;
    std::shared_ptr<OpenDevice> remove(win::MCIDEVICEID id);

  private:
    mutable std::mutex mutex_;
    win::MCIDEVICEID lastId_ = 0;
    std::vector<std::shared_ptr<OpenDevice>> devices_;
};

}  // namespace detail
}  // namespace platform::media
