#include "platform/cdrom/detail/CddbLookup.h"

#include "platform/cdrom/CdRecords.h"
#include "platform/cdrom/detail/BrokenPipeGuard.h"
#include "platform/cdrom/detail/CddbHttpGet.h"
#include "platform/cdrom/detail/CddbQueryAnswer.h"
#include "platform/cdrom/detail/CddbReadAnswer.h"
#include "platform/cdrom/detail/CddbRecordText.h"
#include "platform/cdrom/detail/CddbSettings.h"
#include "platform/cdrom/detail/DiscLayout.h"
#include "platform/cdrom/detail/QuietLibraries.h"

#include <cddb/cddb.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace platform::cdrom::detail {
namespace {

// The lookup runs on the UI thread: a dead server must not freeze the window for long.
constexpr unsigned kTimeoutSeconds = 3;
constexpr int kProtocolLevel = 6;
constexpr int kFramesPerSecond = 75;
constexpr std::size_t kCategoryBytes = kCddbCategoryBytes;
constexpr std::size_t kDiscIdOffset = kCategoryBytes;
constexpr const char* kDefaultQueryPath = "/~cddb/cddb.cgi";

struct DiscCloser {
    void operator()(cddb_disc_t* disc) const { cddb_disc_destroy(disc); }
};
using Disc = std::unique_ptr<cddb_disc_t, DiscCloser>;

Disc DescribeDisc(const DiscLayout& layout) {
    Disc disc(cddb_disc_new());
    if (!disc) return nullptr;
    for (const TrackStart& start : layout.tracks) {
        cddb_track_t* track = cddb_track_new();
        if (track == nullptr) return nullptr;
        cddb_track_set_frame_offset(track, start.lsn + LEAD_IN_FRAMES);
        cddb_disc_add_track(disc.get(), track);
    }
    cddb_disc_set_length(disc.get(), static_cast<unsigned>((layout.leadOutLsn + LEAD_IN_FRAMES) / kFramesPerSecond));
    cddb_disc_calc_discid(disc.get());
    return disc;
}

void StoreMatch(const CddbMatch& match, TCDDBQueryItem& item) {
    item = TCDDBQueryItem{};
    std::strncpy(reinterpret_cast<char*>(item.data), match.category.c_str(), kCategoryBytes - 1);
    for (std::size_t i = 0; i < 4; ++i) item.data[kDiscIdOffset + i] = static_cast<BYTE>(match.discId >> (8 * i));
}

// libcddb ends its offset list with a blank before the one its command adds, so its query reads
// "... <offn>  <nsecs>"; a strict server refuses that, so the query is written here, one blank between
// fields.
std::string QueryCommand(cddb_disc_t* disc) {
    char discId[9];
    std::snprintf(discId, sizeof discId, "%08x", cddb_disc_get_discid(disc));
    std::string command = std::string("cddb query ") + discId + " " + std::to_string(cddb_disc_get_track_count(disc));
    for (cddb_track_t* track = cddb_disc_get_track_first(disc); track != nullptr;
         track = cddb_disc_get_track_next(disc))
        command += " " + std::to_string(cddb_track_get_frame_offset(track));
    return command + " " + std::to_string(cddb_disc_get_length(disc));
}

// Form encoding: a blank is "+", anything beyond letters, digits and "-._~" is "%XX".
std::string FormEncoded(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : text) {
        if (c == ' ') {
            encoded += '+';
        } else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
                   c == '_' || c == '~') {
            encoded += static_cast<char>(c);
        } else {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 0xF];
        }
    }
    return encoded;
}

// The greeting names the user and host of the e-mail address and the client.
std::string CommandTarget(const CddbSettings& settings, const std::string& command) {
    const std::string email = settings.email.empty() ? "anonymous@localhost" : settings.email;
    const std::size_t at = email.find('@');
    const std::string user = email.substr(0, at);
    const std::string host = at == std::string::npos ? "localhost" : email.substr(at + 1);
    const std::string client = settings.clientName.empty() ? "libcddb" : settings.clientName;
    const std::string libraryVersion = CDDB_VERSION;
    const std::string version =
        settings.clientName.empty() ? libraryVersion.substr(0, libraryVersion.find(' ')) : settings.clientVersion;
    const std::string path = settings.queryPath.empty() ? kDefaultQueryPath : settings.queryPath;
    return path + "?cmd=" + FormEncoded(command) + "&hello=" + FormEncoded(user) + "+" + FormEncoded(host) + "+" +
           FormEncoded(client) + "+" + FormEncoded(version) + "&proto=" + std::to_string(kProtocolLevel);
}

}  // namespace

int QueryDisc(const DiscLayout& layout, const CddbSettings& settings, TCDDBQueryItem* items, int capacity) {
    QuietLibraries();
    Disc disc = DescribeDisc(layout);
    if (settings.host.empty() || !disc) return -1;
    const BrokenPipeGuard guard;
    const std::optional<std::string> answer =
        HttpGet(settings.host, settings.port, CommandTarget(settings, QueryCommand(disc.get())),
                std::chrono::seconds(kTimeoutSeconds));
    const std::optional<std::vector<CddbMatch>> matches = answer ? ParseQueryAnswer(*answer) : std::nullopt;
    if (!matches) return -1;
    int stored = 0;
    for (; stored < capacity && stored < static_cast<int>(matches->size()); ++stored)
        StoreMatch((*matches)[static_cast<std::size_t>(stored)], items[stored]);
    return stored;
}

std::optional<std::string> ReadRecord(const TCDDBQueryItem& item, const CddbSettings& settings) {
    const char* category = reinterpret_cast<const char*>(item.data);
    if (std::memchr(category, '\0', kCategoryBytes) == nullptr || *category == '\0' || settings.host.empty())
        return std::nullopt;
    unsigned id = 0;
    for (std::size_t i = 0; i < 4; ++i) id |= unsigned{item.data[kDiscIdOffset + i]} << (8 * i);
    QuietLibraries();
    Disc disc(cddb_disc_new());
    if (!disc) return std::nullopt;
    cddb_disc_set_category_str(disc.get(), category);
    cddb_disc_set_discid(disc.get(), id);
    char discId[9];
    std::snprintf(discId, sizeof discId, "%08x", id);
    const BrokenPipeGuard guard;
    const std::optional<std::string> answer = HttpGet(
        settings.host, settings.port, CommandTarget(settings, std::string("cddb read ") + category + " " + discId),
        std::chrono::seconds(kTimeoutSeconds));
    if (!answer || !FillDiscFromReadAnswer(*answer, disc.get())) return std::nullopt;
    return RecordText(disc.get());
}

}  // namespace platform::cdrom::detail
