#pragma once
// Records exchanged with the CD-audio library: drive list, handle request, table of contents, track buffer and
// the CD-database query. Field names and meanings are those the application fills and reads; the byte packing
// is ours.
#include <cstdint>

#include "platform/win/Types.h"

namespace platform::cdrom {

using win::BYTE;
using win::DWORD;
// A handle on an open drive; 0 means none.
using HCDROM = DWORD;

inline constexpr int MAX_CD_DRIVES = 8;
inline constexpr int MAX_TOC_ENTRIES = 100;
inline constexpr DWORD AUDIO_SECTOR_BYTES = 2352;
// Table-of-contents addresses count the 2-second lead-in that logical sector numbers leave out.
inline constexpr int LEAD_IN_FRAMES = 150;
// The control bit of a table-of-contents entry that marks a data track.
inline constexpr BYTE TOC_DATA_TRACK = 0x04;

struct TCDDriveInfo {
    BYTE ha = 0;  // host adapter, target and unit: copied into the handle request unchanged
    BYTE tgt = 0;
    BYTE lun = 0;
    BYTE pad = 0;
    char id[65] = {};
    char vendor[9] = {};      // NUL-terminated
    char productId[17] = {};  // NUL-terminated
    char rev[5] = {};
    char vendorSpecific[21] = {};
};

struct TCDList {
    BYTE max = 0;  // capacity, set by the caller (at most MAX_CD_DRIVES)
    BYTE num = 0;  // drives found
    TCDDriveInfo cd[MAX_CD_DRIVES];
};

// The handle request: ha, tgt and lun name the drive as its list entry gave them; the read settings are accepted
// as given, audio reads being raw sectors in every case.
struct TGetCDHandleParams {
    BYTE size = 0;
    BYTE ver = 0;
    BYTE ha = 0;
    BYTE tgt = 0;
    BYTE lun = 0;
    BYTE readType = 0;
    BYTE jitterCorr[4] = {};
    BYTE numJitter = 0;
    BYTE numOverlap = 0;
};

// Bytes 4..7 hold the start address as 0, minutes, seconds, frames (1/75 s), counted with the lead-in.
struct TTocEntry {
    BYTE rsvd = 0;
    BYTE adrControl = 0;  // ADR in the high nibble, control bits (TOC_DATA_TRACK) in the low nibble
    BYTE trackNumber = 0;
    BYTE rsvd2 = 0;
    BYTE addr[4] = {};
};

// Entry t - 1 describes track t; the entry after the last track is the lead-out (track number 0xAA).
struct TTableOfContents {
    std::uint16_t length = 0;  // bytes that follow this field
    BYTE firstTrack = 0;
    BYTE lastTrack = 0;
    TTocEntry tracks[MAX_TOC_ENTRIES];
};

// A 24-byte header followed by maxLen bytes of audio, allocated as one block by the caller.
struct TTrackBuffer {
    DWORD startFrame;  // first logical sector to read
    DWORD numFrames;
    DWORD maxLen;  // capacity of buf
    DWORD len;     // out: audio bytes read
    DWORD status;
    DWORD startOffset;  // out: where in buf the audio begins
    BYTE buf[];
};

// Opaque to the caller: handed back to CDDBGetDiskInfo unchanged.
struct TCDDBQueryItem {
    BYTE data[192];
};

inline constexpr int MAX_CDDB_MATCHES = 10;

struct TCDDBQuery {
    std::int32_t num = 0;  // in: capacity of q; out: matches found
    TCDDBQueryItem* q = nullptr;
};

// CDDBSetOption numbers.
inline constexpr int CDDB_OPT_SERVER = 0;      // host[:port]
inline constexpr int CDDB_OPT_CLIENT = 3;      // "<name> <version>"
inline constexpr int CDDB_OPT_EMAIL = 4;       // sent in the greeting
inline constexpr int CDDB_OPT_QUERY_PATH = 6;  // path of the server's query program

}  // namespace platform::cdrom
