#include "platform/cdrom/detail/DriveList.h"

#include "platform/cdrom/detail/CdioOpen.h"
#include "platform/cdrom/detail/Drive.h"

#include <cdio/cdio.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string_view>

namespace platform::cdrom::detail {
namespace {

constexpr std::string_view kImageVendor = "Image";
constexpr std::size_t kProductBytes = 16;

std::mutex registryMutex;
std::vector<Drive> knownDrives;  // every drive seen, in order of first sight

std::vector<std::string> ImagePaths() {
    std::vector<std::string> paths;
    const char* list = std::getenv("TRACKMILL_CD_IMAGES");
    if (list == nullptr) return paths;
    std::string_view rest(list);
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        const std::string_view item = rest.substr(0, colon);
        if (!item.empty()) paths.emplace_back(item);
        if (colon == std::string_view::npos) break;
        rest.remove_prefix(colon + 1);
    }
    return paths;
}

// Cut at a character boundary so a UTF-8 name never ends in half a character.
std::string CutUtf8(const std::string& text, std::size_t bytes) {
    if (text.size() <= bytes) return text;
    std::size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

Drive DescribeImage(const std::string& path) {
    Drive drive;
    drive.kind = Drive::Kind::Image;
    drive.path = path;
    drive.vendor = kImageVendor;
    drive.product = CutUtf8(std::filesystem::path(path).stem().string(), kProductBytes);
    return drive;
}

Drive DescribeDevice(const std::string& path) {
    Drive drive;
    drive.kind = Drive::Kind::Device;
    drive.path = path;
    if (CdIo_t* cdio = detail::OpenCdio(path.c_str(), DRIVER_DEVICE)) {
        cdio_hwinfo_t info{};
        if (cdio_get_hwinfo(cdio, &info)) {
            drive.vendor = info.psz_vendor;
            drive.product = info.psz_model;
        }
        cdio_destroy(cdio);
    }
    return drive;
}

// A device's texts are asked until it answers: asking means opening the drive, and the list is taken on every poll.
Drive KnownOrDescribedDevice(const std::string& path) {
    {
        std::lock_guard lock(registryMutex);
        for (const Drive& seen : knownDrives)
            if (seen.kind == Drive::Kind::Device && seen.path == path && !(seen.vendor.empty() && seen.product.empty()))
                return seen;
    }
    return DescribeDevice(path);
}

std::vector<Drive> PresentDrives() {
    std::vector<Drive> drives;
    for (const std::string& path : ImagePaths()) drives.push_back(DescribeImage(path));
    if (char** devices = detail::ListDevices()) {
        for (char** device = devices; *device != nullptr; ++device) drives.push_back(KnownOrDescribedDevice(*device));
        cdio_free_device_list(devices);
    }
    return drives;
}

// Gives each drive the id it had before, or the next free one.
void AssignIds(std::vector<Drive>& drives) {
    std::lock_guard lock(registryMutex);
    for (Drive& drive : drives) {
        auto known = std::find_if(knownDrives.begin(), knownDrives.end(), [&](const Drive& seen) {
            return seen.kind == drive.kind && seen.path == drive.path;
        });
        if (known == knownDrives.end()) {
            drive.id = static_cast<int>(knownDrives.size());
            knownDrives.push_back(drive);
        } else {
            drive.id = known->id;
            *known = drive;
        }
    }
}

}  // namespace

std::vector<Drive> ListDrives() {
    std::vector<Drive> drives = PresentDrives();
    AssignIds(drives);
    return drives;
}

std::optional<Drive> FindDrive(int id) {
    std::lock_guard lock(registryMutex);
    if (id < 0 || id >= static_cast<int>(knownDrives.size())) return std::nullopt;
    return knownDrives[static_cast<std::size_t>(id)];
}

}  // namespace platform::cdrom::detail
