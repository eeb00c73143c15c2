#pragma once
// The answer to "cddb read": a 210 line, then the record's lines up to ".". The record is parsed here rather
// than by libcddb, whose parser leaves every field empty when the comment header lacks its "# Revision:"
// line, which a server may well omit.
#include <cddb/cddb_disc.h>

#include <string>

namespace platform::cdrom::detail {

// Fills the disc's titles, artists, year, genre and extended data; false unless the answer is a 210 record.
bool FillDiscFromReadAnswer(const std::string& answer, cddb_disc_t* disc);

}  // namespace platform::cdrom::detail
