#pragma once

namespace platform::cdrom {
struct TTableOfContents;
}  // namespace platform::cdrom

namespace platform::cdrom::detail {

struct DiscLayout;

// False when an address does not fit the record (more than 255 minutes).
bool FillToc(const DiscLayout& layout, TTableOfContents& toc);

}  // namespace platform::cdrom::detail
