#include "platform/cdrom/detail/QuietLibraries.h"

#include <cddb/cddb.h>
#include <cdio/cdio.h>
#include <cdio/logging.h>

#include <mutex>

namespace platform::cdrom::detail {
namespace {

void DropCdioMessage(cdio_log_level_t, const char*) {}

}  // namespace

void QuietLibraries() {
    static std::once_flag once;
    std::call_once(once, [] {
        cdio_log_set_handler(DropCdioMessage);
        cddb_log_set_level(CDDB_LOG_NONE);
    });
}

}  // namespace platform::cdrom::detail
