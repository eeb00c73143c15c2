// Writes <prefix>.bin and <prefix>.cue: one audio track of 74 minutes whose samples change all the time, so a rip
// that dropped or moved sectors would not go unseen.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr std::int64_t kSectors = 74LL * 60 * 75;
constexpr std::size_t kSectorBytes = 2352;
constexpr std::int64_t kSectorsPerBlock = 1000;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_rip_bench_image PREFIX\n");
        return 1;
    }
    const std::string prefix = argv[1];
    const std::string binName = prefix.substr(prefix.find_last_of('/') + 1) + ".bin";
    std::ofstream bin(prefix + ".bin", std::ios::binary);
    std::vector<std::uint8_t> block(kSectorBytes * kSectorsPerBlock);
    std::uint32_t value = 1;
    for (std::int64_t done = 0; done < kSectors; done += kSectorsPerBlock) {
        const std::int64_t sectors = std::min(kSectorsPerBlock, kSectors - done);
        const std::size_t bytes = static_cast<std::size_t>(sectors) * kSectorBytes;
        for (std::size_t i = 0; i < bytes; ++i) {
            value = value * 1664525u + 1013904223u;
            block[i] = static_cast<std::uint8_t>(value >> 24);
        }
        bin.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(bytes));
    }
    std::ofstream cue(prefix + ".cue", std::ios::binary);
    cue << "FILE \"" << binName << "\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n";
    if (!bin || !cue) {
        std::fprintf(stderr, "make_rip_bench_image: cannot write %s\n", prefix.c_str());
        return 1;
    }
    return 0;
}
