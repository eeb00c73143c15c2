#include "platform/cdrom/CdAudio.h"

#include "platform/cdrom/TestHooks.h"
#include "platform/cdrom/detail/CddbLookup.h"
#include "platform/cdrom/detail/CddbSettings.h"
#include "platform/cdrom/detail/Drive.h"
#include "platform/cdrom/detail/DriveList.h"
#include "platform/cdrom/detail/HandleTable.h"
#include "platform/cdrom/detail/OpenDrive.h"
#include "platform/cdrom/detail/OperationGate.h"
#include "platform/cdrom/detail/TocRecord.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace platform::cdrom {
namespace {

void CopyText(const std::string& text, char* field, std::size_t fieldSize) {
    const std::size_t length = std::min(text.size(), fieldSize - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

// A record too long for the buffer keeps its whole lines only.
void CopyRecord(const std::string& record, char* text, std::size_t capacity) {
    std::size_t length = record.size();
    if (length >= capacity) {
        const std::size_t lineEnd = capacity < 2 ? std::string::npos : record.rfind('\n', capacity - 2);
        length = lineEnd == std::string::npos ? 0 : lineEnd + 1;
    }
    std::memcpy(text, record.data(), length);
    text[length] = '\0';
}

}  // namespace

DWORD GetCDList(TCDList* list) {
    if (list == nullptr) return 0;
    const std::size_t capacity = std::min<std::size_t>(list->max, MAX_CD_DRIVES);
    list->num = 0;
    for (const detail::Drive& drive : detail::ListDrives()) {
        if (list->num == capacity) break;
        if (drive.id > 0xFF) continue;
        TCDDriveInfo& entry = list->cd[list->num++];
        entry = TCDDriveInfo{};
        entry.ha = static_cast<BYTE>(drive.id);
        CopyText(drive.vendor, entry.vendor, sizeof entry.vendor);
        CopyText(drive.product, entry.productId, sizeof entry.productId);
    }
    return 1;
}

HCDROM GetCDHandle(const TGetCDHandleParams* params) {
    if (params == nullptr || params->tgt != 0 || params->lun != 0) return 0;
    if (!detail::OperationAllowed(CdOperation::GetHandle)) return 0;
    const std::optional<detail::Drive> drive = detail::FindDrive(params->ha);
    return drive ? detail::AddHandle(*drive) : 0;
}

int CloseCDHandle(HCDROM handle) {
    if (!detail::FindHandle(handle) || !detail::OperationAllowed(CdOperation::CloseHandle)) return 0;
    return detail::RemoveHandle(handle) ? 1 : 0;
}

int ModifyCDParms(HCDROM handle, int, DWORD) {
    const auto open = detail::FindHandle(handle);
    if (!open) return 0;
    std::lock_guard lock(open->mutex());
    return detail::OperationAllowed(CdOperation::ModifyParms) ? 1 : 0;
}

DWORD ReadTOC(HCDROM handle, TTableOfContents* toc) {
    const auto open = detail::FindHandle(handle);
    if (!open || toc == nullptr) return 0;
    std::lock_guard lock(open->mutex());
    if (!detail::OperationAllowed(CdOperation::ReadToc)) return 0;
    const detail::DiscLayout* layout = open->reload();
    return layout && detail::FillToc(*layout, *toc) ? 1 : 0;
}

DWORD ReadCDAudioLBA(HCDROM handle, TTrackBuffer* buffer) {
    const auto open = detail::FindHandle(handle);
    if (!open || buffer == nullptr) return 0;
    std::lock_guard lock(open->mutex());
    buffer->len = 0;
    buffer->startOffset = 0;
    if (!detail::OperationAllowed(CdOperation::ReadAudio)) return 0;
    const detail::DiscLayout* layout = open->current();
    if (layout == nullptr || buffer->numFrames == 0) return 0;
    const std::uint64_t end = std::uint64_t{buffer->startFrame} + buffer->numFrames;
    const std::uint64_t bytes = std::uint64_t{buffer->numFrames} * AUDIO_SECTOR_BYTES;
    if (end > static_cast<std::uint64_t>(layout->leadOutLsn) || bytes > buffer->maxLen) return 0;
    if (!layout->audioOnly(buffer->startFrame, static_cast<long long>(end))) return 0;
    if (cdio_read_audio_sectors(open->cdio(), buffer->buf, static_cast<lsn_t>(buffer->startFrame), buffer->numFrames) !=
        DRIVER_OP_SUCCESS)
        return 0;
    buffer->len = static_cast<DWORD>(bytes);
    return 1;
}

void CDDBSetOption(int option, const char* text, int) { detail::SetCddbOption(option, text == nullptr ? "" : text); }

DWORD CDDBQuery(HCDROM handle, TCDDBQuery* query) {
    const auto open = detail::FindHandle(handle);
    if (!open || query == nullptr || query->q == nullptr || query->num <= 0) return 0;
    std::optional<detail::DiscLayout> layout;
    {
        // The lookup itself runs outside the lock: a slow server must not hold up a rip on this handle.
        std::lock_guard lock(open->mutex());
        if (const detail::DiscLayout* current = open->reload()) layout = *current;
    }
    if (!layout) return 0;
    const int matches = detail::QueryDisc(*layout, detail::CurrentCddbSettings(), query->q, query->num);
    if (matches < 0) return 0;
    query->num = matches;
    return 1;
}

DWORD CDDBGetDiskInfo(const TCDDBQueryItem* item, char* text, int capacity) {
    if (item == nullptr || text == nullptr || capacity <= 0) return 0;
    const std::optional<std::string> record = detail::ReadRecord(*item, detail::CurrentCddbSettings());
    if (!record) return 0;
    CopyRecord(*record, text, static_cast<std::size_t>(capacity));
    return 1;
}

}  // namespace platform::cdrom
