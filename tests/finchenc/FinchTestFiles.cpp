#include "FinchTestFiles.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace finch::test {

ScratchDir::ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "finchenc-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    root_ = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(root_, ignored);
}

std::vector<unsigned char> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

namespace {

void put32(std::vector<unsigned char>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

void put16(std::vector<unsigned char>& out, std::uint16_t value) {
    out.push_back(static_cast<unsigned char>(value));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void putText(std::vector<unsigned char>& out, const char* text) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<unsigned char>(text[i]));
    }
}

}  // namespace

void writeWave(const std::string& path, const std::vector<std::int16_t>& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<unsigned char> file;
    putText(file, "RIFF");
    put32(file, 36 + dataBytes);
    putText(file, "WAVE");
    putText(file, "fmt ");
    put32(file, 16);
    put16(file, 1);
    put16(file, 1);
    put32(file, 8000);
    put32(file, 16000);
    put16(file, 2);
    put16(file, 16);
    putText(file, "data");
    put32(file, dataBytes);
    for (const std::int16_t s : samples) {
        put16(file, static_cast<std::uint16_t>(s));
    }
    writeBytes(path, file);
}

std::vector<std::int16_t> waveSamples(const std::vector<unsigned char>& file) {
    std::vector<std::int16_t> samples;
    for (std::size_t at = 44; at + 1 < file.size(); at += 2) {
        samples.push_back(static_cast<std::int16_t>(little16(file, at)));
    }
    return samples;
}

std::uint32_t little32(const std::vector<unsigned char>& bytes, std::size_t at) {
    return bytes.at(at) | (bytes.at(at + 1) << 8) | (bytes.at(at + 2) << 16) |
           (static_cast<std::uint32_t>(bytes.at(at + 3)) << 24);
}

std::uint16_t little16(const std::vector<unsigned char>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes.at(at) | (bytes.at(at + 1) << 8));
}

unsigned FieldReader::read(int n) {
    unsigned value = 0;
    for (int i = 0; i < n; ++i, ++bit_) {
        const std::size_t word = bit_ / 16;
        const int bitInWord = 15 - static_cast<int>(bit_ % 16);
        const unsigned wordValue = bytes_.at(2 * word) | (bytes_.at(2 * word + 1) << 8);
        value = (value << 1) | ((wordValue >> bitInWord) & 1);
    }
    return value;
}

void FieldWriter::write(unsigned value, int n) {
    for (int i = n - 1; i >= 0; --i) {
        bits_.push_back(((value >> i) & 1) != 0);
    }
}

std::vector<unsigned char> FieldWriter::bytes() const {
    std::vector<unsigned char> out;
    for (std::size_t w = 0; w + 16 <= bits_.size(); w += 16) {
        unsigned word = 0;
        for (int i = 0; i < 16; ++i) {
            word = (word << 1) | (bits_[w + i] ? 1 : 0);
        }
        out.push_back(static_cast<unsigned char>(word & 0xFF));
        out.push_back(static_cast<unsigned char>(word >> 8));
    }
    return out;
}

}  // namespace finch::test
