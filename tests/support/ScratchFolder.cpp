#include "tests/support/ScratchFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "tests/support/FileBytes.h"

namespace testsupport {

ScratchFolder::ScratchFolder(const std::string& prefix, const std::filesystem::path& base) {
    std::string pattern = (base / (prefix + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a scratch folder " + pattern + ": " + std::strerror(errno));
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    const std::string written = file(name);
    writeFileBytes(written, bytes);
    return written;
}

std::filesystem::path ScratchFolder::writeScript(const std::string& name, const std::string& body) const {
    const std::filesystem::path script = path_ / name;
    writeFileText(script, "#!/bin/sh\n" + body);
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    return script;
}

}  // namespace testsupport
