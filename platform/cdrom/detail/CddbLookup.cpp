#include "platform/cdrom/detail/CddbLookup.h"

#include "platform/cdrom/CdRecords.h"
#include "platform/cdrom/detail/DiscLayout.h"
#include "platform/cdrom/detail/BrokenPipeGuard.h"
#include "platform/cdrom/detail/CddbRecordText.h"
#include "platform/cdrom/detail/CddbSettings.h"
#include "platform/cdrom/detail/QuietLibraries.h"

#include <cddb/cddb.h>

#include <cstring>
#include <memory>

namespace platform::cdrom::detail {
namespace {

// The lookup runs on the UI thread: a dead server must not freeze the window for long.
constexpr unsigned kTimeoutSeconds = 3;
constexpr int kFramesPerSecond = 75;
constexpr std::size_t kCategoryBytes = 32;
constexpr std::size_t kDiscIdOffset = kCategoryBytes;

struct ConnectionCloser {
    void operator()(cddb_conn_t* connection) const { cddb_destroy(connection); }
};
struct DiscCloser {
    void operator()(cddb_disc_t* disc) const { cddb_disc_destroy(disc); }
};
using Connection = std::unique_ptr<cddb_conn_t, ConnectionCloser>;
using Disc = std::unique_ptr<cddb_disc_t, DiscCloser>;

Connection Connect(const CddbSettings& settings) {
    QuietLibraries();
    if (settings.host.empty())
        return nullptr;
    Connection connection(cddb_new());
    if (!connection)
        return nullptr;
    cddb_conn_t* c = connection.get();
    cddb_http_enable(c);
    cddb_set_server_name(c, settings.host.c_str());
    cddb_set_server_port(c, settings.port);
    if (!settings.queryPath.empty())
        cddb_set_http_path_query(c, settings.queryPath.c_str());
    if (!settings.clientName.empty())
        cddb_set_client(c, settings.clientName.c_str(), settings.clientVersion.c_str());
    if (!settings.email.empty())
        cddb_set_email_address(c, settings.email.c_str());
    cddb_cache_disable(c);
    cddb_set_timeout(c, kTimeoutSeconds);
    cddb_set_charset(c, "UTF-8");
    return connection;
}

Disc DescribeDisc(const DiscLayout& layout) {
    Disc disc(cddb_disc_new());
    if (!disc)
        return nullptr;
    for (const TrackStart& start : layout.tracks) {
        cddb_track_t* track = cddb_track_new();
        if (track == nullptr)
            return nullptr;
        cddb_track_set_frame_offset(track, start.lsn + LEAD_IN_FRAMES);
        cddb_disc_add_track(disc.get(), track);
    }
    cddb_disc_set_length(disc.get(), static_cast<unsigned>((layout.leadOutLsn + LEAD_IN_FRAMES) / kFramesPerSecond));
    cddb_disc_calc_discid(disc.get());
    return disc;
}

void StoreMatch(cddb_disc_t* disc, TCDDBQueryItem& item) {
    item = TCDDBQueryItem{};
    const char* category = cddb_disc_get_category_str(disc);
    if (category != nullptr)
        std::strncpy(reinterpret_cast<char*>(item.data), category, kCategoryBytes - 1);
    const unsigned id = cddb_disc_get_discid(disc);
    for (std::size_t i = 0; i < 4; ++i)
        item.data[kDiscIdOffset + i] = static_cast<BYTE>(id >> (8 * i));
}

}  // namespace

int QueryDisc(const DiscLayout& layout, const CddbSettings& settings, TCDDBQueryItem* items, int capacity) {
    const BrokenPipeGuard guard;
    Connection connection = Connect(settings);
    Disc disc = DescribeDisc(layout);
    if (!connection || !disc)
        return -1;
    const int matches = cddb_query(connection.get(), disc.get());
    if (matches < 0)
        return -1;
    int stored = 0;
    while (stored < matches && stored < capacity) {
        StoreMatch(disc.get(), items[stored++]);
        if (stored < matches && stored < capacity && !cddb_query_next(connection.get(), disc.get()))
            break;
    }
    return stored;
}

std::optional<std::string> ReadRecord(const TCDDBQueryItem& item, const CddbSettings& settings) {
    const char* category = reinterpret_cast<const char*>(item.data);
    if (std::memchr(category, '\0', kCategoryBytes) == nullptr || *category == '\0')
        return std::nullopt;
    unsigned id = 0;
    for (std::size_t i = 0; i < 4; ++i)
        id |= unsigned{item.data[kDiscIdOffset + i]} << (8 * i);
    const BrokenPipeGuard guard;
    Connection connection = Connect(settings);
    Disc disc(cddb_disc_new());
    if (!connection || !disc)
        return std::nullopt;
    cddb_disc_set_category_str(disc.get(), category);
    cddb_disc_set_discid(disc.get(), id);
    if (!cddb_read(connection.get(), disc.get()))
        return std::nullopt;
    return RecordText(disc.get());
}

}  // namespace platform::cdrom::detail
