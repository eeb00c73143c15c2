#include "CueImage.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace cdrom_test {
namespace {

constexpr int kSectorBytes = 2352;
constexpr int kSamplesPerSector = kSectorBytes / 4;
constexpr int kFramesPerSecond = 75;

std::string Msf(int frames) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", frames / (60 * kFramesPerSecond), frames / kFramesPerSecond % 60,
                  frames % kFramesPerSecond);
    return text;
}

void PutLittleEndian(std::vector<std::uint8_t>& bytes, std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    bytes.push_back(static_cast<std::uint8_t>(bits & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(bits >> 8));
}

}  // namespace

std::int16_t CueImage::LeftSample(int track, std::int64_t index) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(track * 4099 + index * 7));
}

std::int16_t CueImage::RightSample(int track, std::int64_t index) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(LeftSample(track, index) ^ (0x1111 * track)));
}

CueImage CueImage::Write(const std::filesystem::path& folder, const std::string& name, const ImageLayout& layout) {
    CueImage image;
    image.cue_ = folder / (name + ".cue");
    image.bin_ = folder / (name + ".bin");
    image.layout_ = layout;

    std::ofstream cue(image.cue_, std::ios::binary);
    cue << "FILE \"" << image.bin_.filename().string() << "\" BINARY\n";
    for (std::size_t i = 0; i < layout.tracks.size(); ++i) {
        const ImageTrack& track = layout.tracks[i];
        const int number = static_cast<int>(i + 1);
        const int start = image.trackStart(number);
        const int pregap = track.pregapSectors + (number == 1 ? layout.leadSectors : 0);
        const char* mode = track.audio ? "AUDIO" : track.sectorBytes == 2048 ? "MODE1/2048" : "MODE1/2352";
        char line[64];
        std::snprintf(line, sizeof line, "  TRACK %02d %s\n", layout.firstTrack + number - 1, mode);
        cue << line;
        if (pregap > 0) cue << "    INDEX 00 " << Msf(start - pregap) << "\n";
        cue << "    INDEX 01 " << Msf(start) << "\n";
    }
    std::ofstream bin(image.bin_, std::ios::binary);
    const std::vector<std::uint8_t> all = image.sectors(0, image.leadOut());
    bin.write(reinterpret_cast<const char*>(all.data()), static_cast<std::streamsize>(all.size()));
    if (!cue || !bin) throw std::runtime_error("cannot write the image " + image.cue_.string());
    return image;
}

int CueImage::trackStart(int number) const {
    int lsn = layout_.leadSectors;
    for (int i = 0; i < number; ++i) {
        const ImageTrack& track = layout_.tracks.at(static_cast<std::size_t>(i));
        lsn += track.pregapSectors;
        if (i + 1 < number) lsn += track.sectors;
    }
    return lsn;
}

int CueImage::leadOut() const {
    const int last = static_cast<int>(layout_.tracks.size());
    return trackStart(last) + layout_.tracks.back().sectors;
}

std::vector<std::uint8_t> CueImage::sectors(int lsn, int count) const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(count) * kSectorBytes);
    for (int sector = lsn; sector < lsn + count; ++sector) {
        int number = 0;
        for (int t = 1; t <= static_cast<int>(layout_.tracks.size()) && trackStart(t) <= sector; ++t) number = t;
        const bool inTrack =
            number > 0 && sector < trackStart(number) + layout_.tracks[static_cast<std::size_t>(number - 1)].sectors;
        if (!inTrack) {
            bytes.insert(bytes.end(), kSectorBytes, 0);
            continue;
        }
        const ImageTrack& track = layout_.tracks[static_cast<std::size_t>(number - 1)];
        if (!track.audio) {
            bytes.insert(bytes.end(), static_cast<std::size_t>(track.sectorBytes),
                         static_cast<std::uint8_t>(0xD0 + number));
            continue;
        }
        const std::int64_t first = std::int64_t{sector - trackStart(number)} * kSamplesPerSector;
        for (std::int64_t index = first; index < first + kSamplesPerSector; ++index) {
            PutLittleEndian(bytes, LeftSample(number, index));
            PutLittleEndian(bytes, RightSample(number, index));
        }
    }
    return bytes;
}

}  // namespace cdrom_test
