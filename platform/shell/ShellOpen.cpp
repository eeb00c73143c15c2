#include "platform/shell/ShellOpen.h"

#include "platform/process/DetachedLaunch.h"

#include <system_error>

namespace platform::shell {

void openDocument(const std::string& pathOrUrl) {
    try {
        // "--" is not understood by every handler; a name starting with '-' is made a path instead.
        const std::string target = !pathOrUrl.empty() && pathOrUrl.front() == '-' ? "./" + pathOrUrl : pathOrUrl;
        platform::process::launchDetached({"xdg-open", target});
    } catch (const std::system_error&) {
        // Opening a document is a convenience; its failure is silent.
    }
}

}  // namespace platform::shell
