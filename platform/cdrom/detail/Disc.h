#pragma once
// The medium in a drive: whether there is one, which one, and its contents opened through libcdio.
#include <cdio/cdio.h>

#include <sys/types.h>
#include <ctime>
#include <memory>
#include <optional>

namespace platform::cdrom::detail {

struct Drive;
struct DiscLayout;

struct CdioCloser {
    void operator()(CdIo_t* cdio) const;
};
using CdioPtr = std::unique_ptr<CdIo_t, CdioCloser>;

// One file as it stands: a file replaced by another, or written, is another file.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    std::timespec modified{};
    off_t size = 0;

    bool operator==(const FileIdentity& other) const;
};

// Tells media apart: an image whose CUE or BIN file was replaced is another disc. A device disc is only present or
// not.
struct MediaIdentity {
    FileIdentity cue;
    FileIdentity bin;

    bool operator==(const MediaIdentity& other) const = default;
};

// Empty when the drive holds no medium: no disc, an image file missing, or the image drive's door open.
std::optional<MediaIdentity> ProbeMedia(const Drive& drive);
// Null when the drive holds nothing readable, or an image whose CUE sheet is refused (the reason goes to standard
// error, once per version of the sheet).
CdioPtr OpenDisc(const Drive& drive);
// Empty when the disc has no usable table of contents. An image's lead-out is its own even when its last tracks
// have short sectors, which libcdio counts as full ones.
std::optional<DiscLayout> ReadLayout(const Drive& drive, CdIo_t* cdio);

}  // namespace platform::cdrom::detail
