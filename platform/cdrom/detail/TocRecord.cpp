#include "platform/cdrom/detail/TocRecord.h"

#include "platform/cdrom/CdRecords.h"
#include "platform/cdrom/detail/DiscLayout.h"

namespace platform::cdrom::detail {
namespace {

constexpr int kFramesPerSecond = 75;
constexpr int kFramesPerMinute = 60 * kFramesPerSecond;
constexpr BYTE kLeadOutTrack = 0xAA;
constexpr BYTE kAdrPosition = 0x10;

// Plain arithmetic on the logical sector: libcdio's own MSF helpers answer in BCD.
bool FillEntry(int lsn, BYTE number, bool audio, TTocEntry& entry) {
    const int frames = lsn + LEAD_IN_FRAMES;
    if (frames < 0 || frames / kFramesPerMinute > 0xFF) return false;
    entry = TTocEntry{};
    entry.adrControl = audio ? kAdrPosition : kAdrPosition | TOC_DATA_TRACK;
    entry.trackNumber = number;
    entry.addr[1] = static_cast<BYTE>(frames / kFramesPerMinute);
    entry.addr[2] = static_cast<BYTE>(frames / kFramesPerSecond % 60);
    entry.addr[3] = static_cast<BYTE>(frames % kFramesPerSecond);
    return true;
}

}  // namespace

bool FillToc(const DiscLayout& layout, TTableOfContents& toc) {
    const std::size_t count = layout.tracks.size();
    if (count == 0 || count + 1 > MAX_TOC_ENTRIES) return false;
    TTableOfContents filled;
    filled.firstTrack = static_cast<BYTE>(layout.tracks.front().number);
    filled.lastTrack = static_cast<BYTE>(layout.tracks.back().number);
    filled.length = static_cast<std::uint16_t>(2 + sizeof(TTocEntry) * (count + 1));
    for (std::size_t i = 0; i < count; ++i) {
        const TrackStart& track = layout.tracks[i];
        if (!FillEntry(track.lsn, static_cast<BYTE>(track.number), track.audio, filled.tracks[i])) return false;
    }
    const bool lastAudio = layout.tracks.back().audio;
    if (!FillEntry(layout.leadOutLsn, kLeadOutTrack, lastAudio, filled.tracks[count])) return false;
    toc = filled;
    return true;
}

}  // namespace platform::cdrom::detail
