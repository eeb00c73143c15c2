#pragma once

#include <string>

namespace platform::shell {

// Opens a file or URL with the desktop's handler for it (xdg-open). The handler runs detached and is never
// waited for; when there is none, or it cannot start, nothing happens.
void openDocument(const std::string& pathOrUrl);

}  // namespace platform::shell
