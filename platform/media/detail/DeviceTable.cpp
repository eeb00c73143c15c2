#include "platform/media/detail/DeviceTable.h"

#include <strings.h>
#include <algorithm>

namespace platform::media::detail {

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return !a.empty() && strcasecmp(a.c_str(), b.c_str()) == 0;
}

}  // namespace

DeviceTable& DeviceTable::instance() {
    static DeviceTable table;
    return table;
}

win::MCIDEVICEID DeviceTable::add(OpenDevice device) {
    std::lock_guard lock(mutex_);
    const bool aliasTaken = std::any_of(devices_.begin(), devices_.end(),
                                        [&](const auto& open) { return SameName(open->alias, device.alias); });
    if (aliasTaken) return 0;
    device.id = ++lastId_;
    devices_.push_back(std::make_shared<OpenDevice>(std::move(device)));
    return lastId_;
}

std::shared_ptr<OpenDevice> DeviceTable::find(win::MCIDEVICEID id) const {
    std::lock_guard lock(mutex_);
    for (const auto& device : devices_)
        if (device->id == id) return device;
    return nullptr;
}

std::shared_ptr<OpenDevice> DeviceTable::find(const std::string& name) const {
    std::lock_guard lock(mutex_);
    for (const auto& device : devices_)
        if (SameName(device->alias, name)) return device;
    for (const auto& device : devices_)
        if (device->element == name && !name.empty()) return device;
    return nullptr;
}

std::shared_ptr<OpenDevice> DeviceTable::remove(win::MCIDEVICEID id) {
    std::lock_guard lock(mutex_);
    const auto found =
        std::find_if(devices_.begin(), devices_.end(), [&](const auto& device) { return device->id == id; });
    if (found == devices_.end()) return nullptr;
    auto device = *found;
    devices_.erase(found);
    return device;
}

}  // namespace platform::media::detail
