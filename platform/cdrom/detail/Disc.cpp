#include "platform/cdrom/detail/Disc.h"

#include "platform/cdrom/detail/CdioOpen.h"
#include "platform/cdrom/detail/DiscLayout.h"
#include "platform/cdrom/detail/DoorState.h"
#include "platform/cdrom/detail/Drive.h"

#include <cdio/track.h>

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::cdrom::detail {
namespace {

constexpr int kMaxTrackNumber = 99;

bool DeviceHoldsDisc(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    const int status = ioctl(fd, CDROM_DRIVE_STATUS, CDSL_CURRENT);
    close(fd);
    return status == CDS_DISC_OK;
}

}  // namespace

void CdioCloser::operator()(CdIo_t* cdio) const { cdio_destroy(cdio); }

bool MediaIdentity::operator==(const MediaIdentity& other) const {
    return device == other.device && inode == other.inode && modified.tv_sec == other.modified.tv_sec &&
           modified.tv_nsec == other.modified.tv_nsec && size == other.size;
}

std::optional<MediaIdentity> ProbeMedia(const Drive& drive) {
    if (drive.kind == Drive::Kind::Device) {
        if (!DeviceHoldsDisc(drive.path)) return std::nullopt;
        return MediaIdentity{};
    }
    if (IsImageDoorOpen(drive.id)) return std::nullopt;
    struct stat info {};
    if (stat(drive.path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return MediaIdentity{info.st_dev, info.st_ino, info.st_mtim, info.st_size};
}

CdioPtr OpenDisc(const Drive& drive) {
    if (!ProbeMedia(drive)) return nullptr;
    const driver_id_t driver = drive.kind == Drive::Kind::Image ? DRIVER_BINCUE : DRIVER_DEVICE;
    return CdioPtr(OpenCdio(drive.path.c_str(), driver));
}

std::optional<DiscLayout> ReadLayout(CdIo_t* cdio) {
    const track_t first = cdio_get_first_track_num(cdio);
    const track_t count = cdio_get_num_tracks(cdio);
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0 || first < 1 ||
        first + count - 1 > kMaxTrackNumber)
        return std::nullopt;
    DiscLayout layout;
    int previous = -1;
    for (int number = first; number < first + count; ++number) {
        const track_t track = static_cast<track_t>(number);
        const lsn_t lsn = cdio_get_track_lsn(cdio, track);
        if (lsn == CDIO_INVALID_LSN || lsn <= previous) return std::nullopt;
        layout.tracks.push_back({number, lsn, cdio_get_track_format(cdio, track) == TRACK_FORMAT_AUDIO});
        previous = lsn;
    }
    layout.leadOutLsn = cdio_get_track_lsn(cdio, CDIO_CDROM_LEADOUT_TRACK);
    if (layout.leadOutLsn == CDIO_INVALID_LSN || layout.leadOutLsn <= previous) return std::nullopt;
    return layout;
}

}  // namespace platform::cdrom::detail
