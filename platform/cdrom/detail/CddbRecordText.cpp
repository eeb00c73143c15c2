#include "platform/cdrom/detail/CddbRecordText.h"

#include <cddb/cddb_track.h>

#include <cstdio>
#include <string_view>

namespace platform::cdrom::detail {
namespace {

std::string_view Text(const char* text) { return text == nullptr ? std::string_view() : std::string_view(text); }

void AddLine(std::string& record, std::string_view key, std::string_view value) {
    record.append(key).append("=").append(value).append("\n");
}

// The record joins artist and title with " / "; a track by the disc's own artist shows its title alone.
std::string Joined(std::string_view artist, std::string_view title, std::string_view usualArtist) {
    if (artist.empty() || artist == usualArtist) return std::string(title);
    return std::string(artist).append(" / ").append(title);
}

}  // namespace

std::string RecordText(cddb_disc_t* disc) {
    std::string record;
    char discId[9];
    std::snprintf(discId, sizeof discId, "%08x", cddb_disc_get_discid(disc));
    AddLine(record, "DISCID", discId);
    AddLine(record, "DTITLE", Joined(Text(cddb_disc_get_artist(disc)), Text(cddb_disc_get_title(disc)), {}));
    const unsigned year = cddb_disc_get_year(disc);
    AddLine(record, "DYEAR", year == 0 ? std::string() : std::to_string(year));
    AddLine(record, "DGENRE", Text(cddb_disc_get_genre(disc)));
    const std::string_view discArtist = Text(cddb_disc_get_artist(disc));
    int number = 0;
    for (cddb_track_t* track = cddb_disc_get_track_first(disc); track != nullptr;
         track = cddb_disc_get_track_next(disc), ++number) {
        AddLine(record, "TTITLE" + std::to_string(number),
                Joined(Text(cddb_track_get_artist(track)), Text(cddb_track_get_title(track)), discArtist));
    }
    AddLine(record, "EXTD", Text(cddb_disc_get_ext_data(disc)));
    number = 0;
    for (cddb_track_t* track = cddb_disc_get_track_first(disc); track != nullptr;
         track = cddb_disc_get_track_next(disc), ++number)
        AddLine(record, "EXTT" + std::to_string(number), Text(cddb_track_get_ext_data(track)));
    AddLine(record, "PLAYORDER", {});
    return record;
}

}  // namespace platform::cdrom::detail
