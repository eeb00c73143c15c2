#include "ScratchFiles.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

ScratchFiles::ScratchFiles() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::path(testing::TempDir()) /
             ("soundfile-" + std::to_string(getpid()) + "-" + test->test_suite_name() + "-" + test->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
}

ScratchFiles::~ScratchFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

std::string ScratchFiles::path(const std::string& name) const {
    return (folder / name).string();
}

std::string ScratchFiles::write(const std::string& name, const Bytes& bytes) const {
    const std::string file = path(name);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file;
}

Bytes ScratchFiles::read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void appendText(Bytes& bytes, const std::string& text) {
    bytes.insert(bytes.end(), text.begin(), text.end());
}

void append16(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void append32(Bytes& bytes, std::uint32_t value) {
    append16(bytes, static_cast<std::uint16_t>(value));
    append16(bytes, static_cast<std::uint16_t>(value >> 16));
}

std::uint32_t little32At(const Bytes& bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(bytes.at(offset)) |
           static_cast<std::uint32_t>(bytes.at(offset + 1)) << 8 |
           static_cast<std::uint32_t>(bytes.at(offset + 2)) << 16 |
           static_cast<std::uint32_t>(bytes.at(offset + 3)) << 24;
}
