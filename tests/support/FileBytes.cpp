#include "tests/support/FileBytes.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace testsupport {

namespace {

std::runtime_error failure(const char* what, const std::filesystem::path& path) {
    return std::runtime_error(std::string(what) + " " + path.string() + ": " + std::strerror(errno));
}

void writeFile(const std::filesystem::path& path, const char* data, std::size_t size) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw failure("cannot create", path);
    out.write(data, static_cast<std::streamsize>(size));
    out.close();
    if (!out) throw failure("cannot write", path);
}

}  // namespace

Bytes readFileBytes(const std::filesystem::path& path) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) throw failure("cannot read", path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string readFileText(const std::filesystem::path& path) {
    const Bytes bytes = readFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

void writeFileBytes(const std::filesystem::path& path, const Bytes& bytes) {
    writeFile(path, reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void writeFileText(const std::filesystem::path& path, const std::string& text) {
    writeFile(path, text.data(), text.size());
}

}  // namespace testsupport
