#pragma once
// The CD-database lookup over HTTP: a query by disc ID, then the record of one match.
#include <optional>
#include <string>

namespace platform::cdrom {
struct TCDDBQueryItem;
}  // namespace platform::cdrom

namespace platform::cdrom::detail {

struct CddbSettings;
struct DiscLayout;

// Fills up to capacity items; answers the number filled, or -1 when the server could not be asked.
int QueryDisc(const DiscLayout& layout, const CddbSettings& settings, TCDDBQueryItem* items, int capacity);
// The record of the match an item names, as text; empty on any failure.
std::optional<std::string> ReadRecord(const TCDDBQueryItem& item, const CddbSettings& settings);

}  // namespace platform::cdrom::detail
