#pragma once
// Where and as whom the CD database is asked. TRACKMILL_CDDB_SERVER (host[:port]) overrides the server option, so
// a run can be pointed at another server without touching the program.
#include <string>

namespace platform::cdrom::detail {

struct CddbSettings {
    std::string host;
    int port = 80;
    std::string queryPath;
    std::string clientName;
    std::string clientVersion;
    std::string email;
};

void SetCddbOption(int option, const std::string& text);
CddbSettings CurrentCddbSettings();

}  // namespace platform::cdrom::detail
