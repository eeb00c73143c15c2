#pragma once
// The CD-audio library: drive list, handles, table of contents, raw audio reads and the CD-database lookup.
// Drives are the machine's CD drives and the BIN/CUE images named in TRACKMILL_CD_IMAGES (colon-separated; images
// come first, so drive 0 is the first image). Calls on one handle are serialised; any thread may call.
#include "platform/cdrom/CdRecords.h"

namespace platform::cdrom {

// Fills list.num and up to list.max entries (at most MAX_CD_DRIVES).
DWORD GetCDList(TCDList* list);
// A handle on the drive at ha/tgt/lun, also when it holds no disc; 0 for an unknown drive. Handles are never
// reused, and a drive may have several open at once.
HCDROM GetCDHandle(const TGetCDHandleParams* params);
// Non-zero when the handle was open.
int CloseCDHandle(HCDROM handle);
// Read parameters are fixed for audio reads; non-zero for an open handle.
int ModifyCDParms(HCDROM handle, int parameter, DWORD value);
// 1 when the disc in the drive was read; it is read afresh on every call, so a changed disc is seen.
DWORD ReadTOC(HCDROM handle, TTableOfContents* toc);
// 1 when buffer->numFrames sectors from logical sector buffer->startFrame were read into buf.
DWORD ReadCDAudioLBA(HCDROM handle, TTrackBuffer* buffer);

// Sets a CD-database option (CDDB_OPT_...); the third argument is unused.
void CDDBSetOption(int option, const char* text, int unused);
// 1 when the server answered; query->num is then the number of matches (0 when none). Failures are silent.
DWORD CDDBQuery(HCDROM handle, TCDDBQuery* query);
// 1 when the matched disc's record was read into text ("DTITLE=...", "TTITLE0=...", one line each, NUL-ended).
DWORD CDDBGetDiskInfo(const TCDDBQueryItem* item, char* text, int capacity);

}  // namespace platform::cdrom
