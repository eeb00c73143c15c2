#include "trackmill/app/jobs/CDRipThread.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

#include "platform/cdrom/CdAudio.h"
#include "platform/framework/TemporaryOutput.h"
#include "platform/user/MessageLoop.h"
#include "trackmill/app/jobs/GainPass.h"
#include "trackmill/app/jobs/ProcessInfo.h"
#include "trackmill/app/jobs/ProgressTimes.h"
#include "trackmill/app/jobs/TrackSectors.h"
#include "trackmill/app/jobs/WaveHeader.h"
#include "trackmill/app/options/OptionsSetting.h"

namespace cd = platform::cdrom;

namespace {

constexpr std::int64_t SectorsPerRead = 10;
// Many reads go out in one write: a read's 23,520 bytes through the standard buffer would take two.
constexpr std::size_t WriteBlockBytes = 1 << 20;
// The library reads audio only once the drive has been set up for it.
constexpr int ReadModeParameter = 36;

// The errno of a failed call, or EIO for a failure that set none.
int Cause() { return errno != 0 ? errno : EIO; }

}  // namespace

TCDRipThread::TCDRipThread(std::int32_t Track) : FTrack(Track) {}

void TCDRipThread::Execute() {
    if (cd::ModifyCDParms(FCDHandle, ReadModeParameter, 1) == 0) {
        win::PostMessage(FNotifyWindow, WM_RIP_ERROR, 0, RIP_ERROR_SETUP);
        return;
    }
    auto toc = std::make_unique<cd::TTableOfContents>();
    if (cd::ReadTOC(FCDHandle, toc.get()) != 1) {
        win::PostMessage(FNotifyWindow, WM_RIP_ERROR, 0, RIP_ERROR_TOC);
        return;
    }
    const std::optional<TTrackSectors> sectors = TrackSectors(*toc, FTrack);
    // A track without sectors (or not on the disc) has nothing to read, and no progress figure can be made; a data
    // track is never read as sound.
    if (!sectors || sectors->Count <= 0 || !sectors->Audio) {
        PostTrackDone(TRACK_READ_FAILED);
        return;
    }
    // A folder that ends with "/" gives "//", which names the same file.
    RipTrack(Options.OutputFolder + "/Track" + std::to_string(FTrack) + ".wav", sectors->Count, sectors->Start);
}

void TCDRipThread::RipTrack(const std::string& fileName, std::int64_t count, std::int64_t start) {
    // The track is written beside its name and takes it only once whole: an older file of that name survives a
    // full disk, a failed read and a stop.
    std::optional<framework::TemporaryOutput> output;
    try {
        output.emplace(fileName);
    } catch (const std::system_error& error) {
        PostWriteFailed(error.code().value());
        return;
    }
    FStream = std::fopen(output->path().c_str(), "wb");
    if (FStream == nullptr) {
        PostWriteFailed(errno);
        return;
    }
    std::vector<char> writeBlock(WriteBlockBytes);
    std::setvbuf(FStream, writeBlock.data(), _IOFBF, writeBlock.size());
    FWriteError = 0;
    if (!WriteWavHeader(0)) FWriteError = Cause();
    const auto startTime = std::chrono::steady_clock::now();
    std::int64_t done = 0;
    bool failed = FWriteError != 0;
    while (!failed && done < count) {
        const std::int64_t n = count - done >= SectorsPerRead ? SectorsPerRead : count % SectorsPerRead;
        failed = ReadSectors(start + done, n) != 1;
        done += n;
        auto info = std::make_unique<TProcessInfo>();
        info->Percent = static_cast<std::int32_t>(done * 100 / count);
        SetTimeTexts(*info, std::chrono::steady_clock::now() - startTime);
        win::PostOwnedMessage(FNotifyWindow, WM_RIP_PROGRESS, 0, std::move(info));
        if (FStopFlag || Terminated()) break;
    }
    const bool stopped = !failed && done < count;
    if (failed || stopped) {
        std::fclose(FStream);
        FStream = nullptr;
        if (failed && FWriteError != 0)
            PostWriteFailed(FWriteError);
        else if (failed)
            PostTrackDone(TRACK_READ_FAILED);
        return;
    }
    const long size = std::ftell(FStream);
    errno = 0;
    if (size < static_cast<long>(TWaveHeader::Size) || std::fseek(FStream, 0, SEEK_SET) != 0 ||
        !WriteWavHeader(static_cast<std::uint32_t>(size - TWaveHeader::Size)))
        FWriteError = Cause();
    errno = 0;
    if (std::fclose(FStream) != 0 && FWriteError == 0) FWriteError = Cause();
    FStream = nullptr;
    errno = 0;
    if (FWriteError == 0 && !output->commit()) FWriteError = Cause();
    if (FWriteError != 0) {
        PostWriteFailed(FWriteError);
        return;
    }
    // Stopped at its last read: the track is whole, and nobody waits for word of it.
    if (FStopFlag || Terminated()) return;
    if (Options.IsNormalize) {
        // A failed pass leaves the track as it was ripped, whole: it is reported, and the chain goes on with it.
        if (const int failure = NormalizeWav(FNotifyWindow, Options.NormalizePercent, fileName); failure != 0) {
            PostTrackDone(TRACK_GAIN_FAILED, std::system_category().message(failure));
            return;
        }
    }
    PostTrackDone(TRACK_DONE_OK);
}

std::uint32_t TCDRipThread::ReadSectors(std::int64_t start, std::int64_t count) {
    const std::size_t capacity = static_cast<std::size_t>(count) * cd::AUDIO_SECTOR_BYTES;
    // One block of 32-bit words keeps the record's fields aligned. Only the header is zeroed: the library fills
    // the sound it reports, and clearing 23 KB per read for nothing shows in a rip's time.
    const auto block = std::make_unique_for_overwrite<std::uint32_t[]>((sizeof(cd::TTrackBuffer) + capacity + 3) / 4);
    std::memset(block.get(), 0, sizeof(cd::TTrackBuffer));
    auto* buffer = reinterpret_cast<cd::TTrackBuffer*>(block.get());
    buffer->startFrame = static_cast<cd::DWORD>(start);
    buffer->numFrames = static_cast<cd::DWORD>(count);
    buffer->maxLen = static_cast<cd::DWORD>(capacity);
    const cd::DWORD answer = cd::ReadCDAudioLBA(FCDHandle, buffer);
    if (answer != 1) return answer;
    // The library's counts are bounded by the buffer before anything is copied.
    if (buffer->startOffset > capacity || buffer->len > capacity - buffer->startOffset) return 0;
    errno = 0;
    if (std::fwrite(buffer->buf + buffer->startOffset, 1, buffer->len, FStream) != buffer->len) {
        FWriteError = Cause();
        return 0;
    }
    return answer;
}

bool TCDRipThread::WriteWavHeader(std::uint32_t dataSize) {
    const auto bytes = TWaveHeader::CdAudio(dataSize).ToBytes();
    return std::fwrite(bytes.data(), 1, bytes.size(), FStream) == bytes.size();
}

void TCDRipThread::PostWriteFailed(int error) {
    PostTrackDone(error == ENOSPC || error == EDQUOT ? TRACK_DISK_FULL : TRACK_FILE_FAILED,
                  std::system_category().message(error));
}

void TCDRipThread::PostTrackDone(std::int32_t status, const std::string& cause) {
    auto info = std::make_unique<TProcessInfo>();
    info->Percent = PI_TRACK_DONE;
    info->Status = status;
    info->Cause = cause;
    win::PostOwnedMessage(FNotifyWindow, WM_RIP_PROGRESS, 0, std::move(info));
}
