#include "platform/cdrom/detail/CddbSettings.h"

#include "platform/cdrom/CdRecords.h"

#include <charconv>
#include <cstdlib>
#include <mutex>

namespace platform::cdrom::detail {
namespace {

constexpr int kHttpPort = 80;

std::mutex settingsMutex;
std::string serverOption;
std::string clientOption;
std::string emailOption;
std::string pathOption;

// "host:port" or "host"; a port that is not a number in 1..65535 leaves the default.
void SetServer(const std::string& server, CddbSettings& settings) {
    const std::size_t colon = server.rfind(':');
    settings.host = server.substr(0, colon);
    settings.port = kHttpPort;
    if (colon == std::string::npos) return;
    int port = 0;
    const char* first = server.data() + colon + 1;
    const char* last = server.data() + server.size();
    const auto [end, error] = std::from_chars(first, last, port);
    if (error == std::errc{} && end == last && port > 0 && port <= 0xFFFF) settings.port = port;
}

}  // namespace

void SetCddbOption(int option, const std::string& text) {
    std::lock_guard lock(settingsMutex);
    switch (option) {
        case CDDB_OPT_SERVER:
            serverOption = text;
            break;
        case CDDB_OPT_CLIENT:
            clientOption = text;
            break;
        case CDDB_OPT_EMAIL:
            emailOption = text;
            break;
        case CDDB_OPT_QUERY_PATH:
            pathOption = text;
            break;
        default:
            break;
    }
}

CddbSettings CurrentCddbSettings() {
    CddbSettings settings;
    const char* override = std::getenv("TRACKMILL_CDDB_SERVER");
    std::lock_guard lock(settingsMutex);
    SetServer(override != nullptr && *override != '\0' ? std::string(override) : serverOption, settings);
    settings.queryPath = pathOption;
    settings.email = emailOption;
    // The client text is "<name> <version>".
    const std::size_t blank = clientOption.rfind(' ');
    settings.clientName = clientOption.substr(0, blank);
    settings.clientVersion = blank == std::string::npos ? std::string() : clientOption.substr(blank + 1);
    return settings;
}

}  // namespace platform::cdrom::detail
