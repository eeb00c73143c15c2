#include "trackmill/app/jobs/GainPass.h"

#include <sys/stat.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <system_error>

#include "platform/framework/Round.h"
#include "platform/framework/TemporaryOutput.h"
#include "trackmill/app/jobs/ProcessInfo.h"
#include "trackmill/app/jobs/ProgressTimes.h"
#include "trackmill/app/jobs/WaveHeader.h"

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

// The errno of a failed call, or EIO for a failure that set none.
int Cause() { return errno != 0 ? errno : EIO; }

// Whole 16-bit little-endian samples are scaled; an odd last byte is copied as it is.
void ScaleBlock(const unsigned char* in, unsigned char* out, std::size_t bytes, float factor) {
    std::size_t i = 0;
    for (; i + 1 < bytes; i += 2) {
        const auto sample = static_cast<std::int16_t>(in[i] | in[i + 1] << 8);
        const std::int64_t rounded = framework::Round(static_cast<double>(sample) * static_cast<double>(factor));
        // A gain above 1 would wrap loud samples round to the other sign.
        const auto scaled = static_cast<std::uint16_t>(std::clamp<std::int64_t>(rounded, INT16_MIN, INT16_MAX));
        out[i] = static_cast<unsigned char>(scaled);
        out[i + 1] = static_cast<unsigned char>(scaled >> 8);
    }
    if (i < bytes) out[i] = in[i];
}

// 0, or the errno of the failing read or write.
int CopyScaled(win::HWND window, std::FILE* in, std::FILE* out, std::int64_t size, float factor) {
    const auto startTime = std::chrono::steady_clock::now();
    unsigned char header[TWaveHeader::Size];
    errno = 0;
    const std::size_t headerBytes = std::fread(header, 1, sizeof header, in);
    if (std::ferror(in) || std::fwrite(header, 1, headerBytes, out) != headerBytes) return Cause();
    std::int64_t processed = static_cast<std::int64_t>(headerBytes);
    unsigned char block[BlockSize];
    unsigned char scaled[BlockSize];
    for (;;) {
        PostProgress(window, processed, size, startTime);
        errno = 0;
        const std::size_t got = std::fread(block, 1, BlockSize, in);
        if (std::ferror(in)) return Cause();
        if (got == 0) return 0;
        processed += static_cast<std::int64_t>(got);
        ScaleBlock(block, scaled, got, factor);
        if (std::fwrite(scaled, 1, got, out) != got) return Cause();
    }
}

}  // namespace

int NormalizeWav(win::HWND window, std::int32_t percent, const std::string& fileName) {
    PostMarker(window, PI_NORMALIZING);
    // Held as a 32-bit float, so 95 % scales by 0.949999988...
    const float factor = static_cast<float>(percent) / 100.0f;

    errno = 0;
    File in(std::fopen(fileName.c_str(), "rb"), std::fclose);
    struct stat status {};
    if (!in || fstat(fileno(in.get()), &status) != 0) return Cause();
    // The scaled copy replaces the track in one step once whole: there is never a moment without it.
    std::optional<framework::TemporaryOutput> temp;
    try {
        temp.emplace(fileName);
    } catch (const std::system_error& error) {
        return error.code().value();
    }
    errno = 0;
    File out(std::fopen(temp->path().c_str(), "wb"), std::fclose);
    if (!out) return Cause();
    int failure = CopyScaled(window, in.get(), out.get(), status.st_size, factor);
    in.reset();
    errno = 0;
    if (std::fclose(out.release()) != 0 && failure == 0) failure = Cause();
    errno = 0;
    if (failure == 0 && !temp->commit()) failure = Cause();
    return failure;
}
