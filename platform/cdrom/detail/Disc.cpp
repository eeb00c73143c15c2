#include "platform/cdrom/detail/Disc.h"

#include "platform/cdrom/detail/CdioOpen.h"
#include "platform/cdrom/detail/CueSheet.h"
#include "platform/cdrom/detail/DiscLayout.h"
#include "platform/cdrom/detail/DoorState.h"
#include "platform/cdrom/detail/Drive.h"

#include <cdio/track.h>

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <mutex>
#include <set>
#include <tuple>

namespace platform::cdrom::detail {
namespace {

constexpr int kMaxTrackNumber = 99;
constexpr std::int64_t kFullSectorBytes = 2352;

bool DeviceHoldsDisc(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    const int status = ioctl(fd, CDROM_DRIVE_STATUS, CDSL_CURRENT);
    close(fd);
    return status == CDS_DISC_OK;
}

// Said once for each version of a refused sheet: the media watcher opens the image again on every poll.
void ReportRefusal(const Drive& drive, const MediaIdentity& media, const std::string& refusal) {
    static std::mutex mutex;
    static std::set<std::tuple<std::string, ino_t, std::time_t, long, off_t>> reported;
    std::lock_guard lock(mutex);
    if (!reported
             .emplace(drive.path, media.cue.inode, media.cue.modified.tv_sec, media.cue.modified.tv_nsec,
                      media.cue.size)
             .second)
        return;
    std::fprintf(stderr, "trackmill: CD image %s refused: %s\n", drive.path.c_str(), refusal.c_str());
}

// Where the sectors after the last full-sector track end, counted from the BIN's size with each track's own sector
// size; libcdio divides the whole BIN by the full size.
int ImageLeadOut(const Drive& drive, const DiscLayout& layout, int libraryLeadOut) {
    const CueSheet sheet = ReadCueSheet(drive.path);
    if (!sheet.refusal.empty() || sheet.sectorBytes.size() != layout.tracks.size()) return libraryLeadOut;
    struct stat bin {};
    if (stat(BinPathOf(drive.path).c_str(), &bin) != 0) return libraryLeadOut;
    std::int64_t offset = std::int64_t{layout.tracks.front().lsn} * sheet.sectorBytes.front();
    for (std::size_t i = 0; i + 1 < layout.tracks.size(); ++i)
        offset += std::int64_t{layout.tracks[i + 1].lsn - layout.tracks[i].lsn} * sheet.sectorBytes[i];
    const std::int64_t lastBytes = sheet.sectorBytes.back();
    if (lastBytes == kFullSectorBytes || bin.st_size < offset) return libraryLeadOut;
    return static_cast<int>(layout.tracks.back().lsn + (bin.st_size - offset) / lastBytes);
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino, info.st_mtim, info.st_size};
}

}  // namespace

void CdioCloser::operator()(CdIo_t* cdio) const { cdio_destroy(cdio); }

bool FileIdentity::operator==(const FileIdentity& other) const {
    return device == other.device && inode == other.inode && modified.tv_sec == other.modified.tv_sec &&
           modified.tv_nsec == other.modified.tv_nsec && size == other.size;
}

std::optional<MediaIdentity> ProbeMedia(const Drive& drive) {
    if (drive.kind == Drive::Kind::Device) {
        if (!DeviceHoldsDisc(drive.path)) return std::nullopt;
        return MediaIdentity{};
    }
    if (IsImageDoorOpen(drive.id)) return std::nullopt;
    const std::optional<FileIdentity> cue = IdentityOf(drive.path);
    const std::optional<FileIdentity> bin = IdentityOf(BinPathOf(drive.path).string());
    if (!cue || !bin) return std::nullopt;
    return MediaIdentity{*cue, *bin};
}

CdioPtr OpenDisc(const Drive& drive) {
    const std::optional<MediaIdentity> media = ProbeMedia(drive);
    if (!media) return nullptr;
    if (drive.kind == Drive::Kind::Device) return CdioPtr(OpenCdio(drive.path.c_str(), DRIVER_DEVICE));
    const CueSheet sheet = ReadCueSheet(drive.path);
    if (!sheet.refusal.empty()) {
        ReportRefusal(drive, *media, sheet.refusal);
        return nullptr;
    }
    return CdioPtr(OpenCdio(drive.path.c_str(), DRIVER_BINCUE));
}

std::optional<DiscLayout> ReadLayout(const Drive& drive, CdIo_t* cdio) {
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
    if (layout.leadOutLsn == CDIO_INVALID_LSN) return std::nullopt;
    if (drive.kind == Drive::Kind::Image) layout.leadOutLsn = ImageLeadOut(drive, layout, layout.leadOutLsn);
    if (layout.leadOutLsn <= previous) return std::nullopt;
    return layout;
}

}  // namespace platform::cdrom::detail
