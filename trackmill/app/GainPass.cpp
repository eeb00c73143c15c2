#include "trackmill/app/GainPass.h"

#include <sys/stat.h>
#include <chrono>
#include <cstdio>
#include <memory>

#include "platform/framework/FileNames.h"
#include "platform/framework/Round.h"
#include "trackmill/app/ProcessInfo.h"
#include "trackmill/app/TimeTexts.h"
#include "trackmill/app/WaveHeader.h"

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

constexpr std::size_t BlockSize = 2048;

void PostMarker(win::HWND window, std::int32_t percent) {
    auto info = std::make_unique<TProcessInfo>();
    info->Percent = percent;
    win::PostOwnedMessage(window, WM_RIP_PROGRESS, 0, std::move(info));
}

void PostProgress(win::HWND window, std::int64_t processed, std::int64_t size,
                  std::chrono::steady_clock::time_point startTime) {
    auto info = std::make_unique<TProcessInfo>();
    info->Percent = static_cast<std::int32_t>(size > 0 ? processed * 100 / size : 100);
    SetTimeTexts(*info, std::chrono::steady_clock::now() - startTime);
    win::PostOwnedMessage(window, WM_RIP_PROGRESS, 0, std::move(info));
}

// Whole 16-bit little-endian samples are scaled; an odd last byte is copied as it is.
void ScaleBlock(const unsigned char* in, unsigned char* out, std::size_t bytes, float factor) {
    std::size_t i = 0;
    for (; i + 1 < bytes; i += 2) {
        const auto sample = static_cast<std::int16_t>(in[i] | in[i + 1] << 8);
        const auto scaled =
            static_cast<std::uint16_t>(framework::Round(static_cast<double>(sample) * static_cast<double>(factor)));
        out[i] = static_cast<unsigned char>(scaled);
        out[i + 1] = static_cast<unsigned char>(scaled >> 8);
    }
    if (i < bytes) out[i] = in[i];
}

bool CopyScaled(win::HWND window, std::FILE* in, std::FILE* out, std::int64_t size, float factor) {
    const auto startTime = std::chrono::steady_clock::now();
    unsigned char header[TWaveHeader::Size];
    const std::size_t headerBytes = std::fread(header, 1, sizeof header, in);
    if (std::ferror(in) || std::fwrite(header, 1, headerBytes, out) != headerBytes) return false;
    std::int64_t processed = static_cast<std::int64_t>(headerBytes);
    unsigned char block[BlockSize];
    unsigned char scaled[BlockSize];
    for (;;) {
        PostProgress(window, processed, size, startTime);
        const std::size_t got = std::fread(block, 1, BlockSize, in);
        if (std::ferror(in)) return false;
        if (got == 0) return true;
        processed += static_cast<std::int64_t>(got);
        ScaleBlock(block, scaled, got, factor);
        if (std::fwrite(scaled, 1, got, out) != got) return false;
    }
}

}  // namespace

bool NormalizeWav(win::HWND window, std::int32_t percent, const std::string& fileName) {
    PostMarker(window, PI_NORMALIZING);
    const std::string temp = framework::ChangeFileExt(fileName, ".nor");
    // Held as a 32-bit float, so 95 % scales by 0.949999988...
    const float factor = static_cast<float>(percent) / 100.0f;

    File in(std::fopen(fileName.c_str(), "rb"), std::fclose);
    struct stat status {};
    if (!in || fstat(fileno(in.get()), &status) != 0) return false;
    File out(std::fopen(temp.c_str(), "wb"), std::fclose);
    if (!out) return false;
    bool done = CopyScaled(window, in.get(), out.get(), status.st_size, factor);
    in.reset();
    done = std::fclose(out.release()) == 0 && done;
    // rename replaces the track in one step: there is never a moment without it.
    if (done && std::rename(temp.c_str(), fileName.c_str()) == 0) return true;
    std::remove(temp.c_str());
    return false;
}
