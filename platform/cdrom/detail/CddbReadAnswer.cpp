#include "platform/cdrom/detail/CddbReadAnswer.h"

#include <cddb/cddb_track.h>

#include <charconv>
#include <map>
#include <sstream>
#include <string_view>

namespace platform::cdrom::detail {
namespace {

constexpr int kMaxTracks = 99;

struct ArtistAndTitle {
    std::string artist;
    std::string title;
};

// "artist / title"; a title without the separator has no artist of its own.
ArtistAndTitle Split(const std::string& value) {
    const std::size_t separator = value.find(" / ");
    if (separator == std::string::npos) return {{}, value};
    return {value.substr(0, separator), value.substr(separator + 3)};
}

// The number behind a prefix such as "TTITLE"; -1 when the key is not that prefix and a track number.
int TrackNumber(std::string_view key, std::string_view prefix) {
    if (key.substr(0, prefix.size()) != prefix || key.size() == prefix.size()) return -1;
    int number = -1;
    const char* last = key.data() + key.size();
    const auto [end, error] = std::from_chars(key.data() + prefix.size(), last, number);
    return error == std::errc{} && end == last && number >= 0 && number < kMaxTracks ? number : -1;
}

cddb_track_t* TrackAt(cddb_disc_t* disc, int number) {
    while (cddb_disc_get_track_count(disc) <= number) cddb_disc_add_track(disc, cddb_track_new());
    return cddb_disc_get_track(disc, number);
}

}  // namespace

bool FillDiscFromReadAnswer(const std::string& answer, cddb_disc_t* disc) {
    std::istringstream lines(answer);
    std::string line;
    if (!std::getline(lines, line) || line.rfind("210 ", 0) != 0) return false;
    // A long value continues on further lines of the same key.
    std::map<std::string, std::string> fields;
    bool ended = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line == ".") {
            ended = true;
            break;
        }
        const std::size_t equals = line.find('=');
        if (line.empty() || line[0] == '#' || equals == std::string::npos) continue;
        fields[line.substr(0, equals)] += line.substr(equals + 1);
    }
    if (!ended) return false;

    const ArtistAndTitle album = Split(fields["DTITLE"]);
    cddb_disc_set_artist(disc, album.artist.c_str());
    cddb_disc_set_title(disc, album.title.c_str());
    unsigned year = 0;
    const std::string& yearText = fields["DYEAR"];
    std::from_chars(yearText.data(), yearText.data() + yearText.size(), year);
    cddb_disc_set_year(disc, year);
    if (!fields["DGENRE"].empty()) cddb_disc_set_genre(disc, fields["DGENRE"].c_str());
    cddb_disc_set_ext_data(disc, fields["EXTD"].c_str());
    for (const auto& [key, value] : fields) {
        if (const int number = TrackNumber(key, "TTITLE"); number >= 0) {
            const ArtistAndTitle track = Split(value);
            cddb_track_t* target = TrackAt(disc, number);
            cddb_track_set_artist(target, (track.artist.empty() ? album.artist : track.artist).c_str());
            cddb_track_set_title(target, track.title.c_str());
        } else if (const int extended = TrackNumber(key, "EXTT"); extended >= 0) {
            cddb_track_set_ext_data(TrackAt(disc, extended), value.c_str());
        }
    }
    return true;
}

}  // namespace platform::cdrom::detail
