#pragma once
// A parsed CD-database record written back as the record's own lines ("DTITLE=...", "TTITLE0=...").
#include <cddb/cddb_disc.h>

#include <string>

namespace platform::cdrom::detail {

std::string RecordText(cddb_disc_t* disc);

}  // namespace platform::cdrom::detail
