#pragma once
// Copies one audio track of the CD into "Track<n>.wav" in the output folder, then runs the gain pass when the
// options ask for it. Reports to the rip window only through posted messages.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/framework/TThread.h"
#include "platform/user/Types.h"

// Created suspended; the owner sets FCDHandle and FNotifyWindow, resumes it and frees it with Free().
class TCDRipThread : public framework::TThread {
  public:
    explicit TCDRipThread(std::int32_t Track);

    std::uint32_t FCDHandle = 0;  // borrowed from the main window
    win::HWND FNotifyWindow = nullptr;
    std::atomic<bool> FStopFlag{false};  // seen after each read of the loop, not during the gain pass

  protected:
    void Execute() override;

  private:
    void RipTrack(const std::string& fileName, std::int64_t count, std::int64_t start);
    // One read of the library appended to the file; the library's answer, or 0 when the file write failed (then
    // FWriteError says why).
    std::uint32_t ReadSectors(std::int64_t start, std::int64_t count);
    bool WriteWavHeader(std::uint32_t dataSize);
    void PostTrackDone(std::int32_t status, const std::string& cause = {});
    // A full disk, or any other reason the folder took no file, with the system's words for it.
    void PostWriteFailed(int error);

    std::int32_t FTrack;
    std::FILE* FStream = nullptr;
    int FWriteError = 0;  // errno of the first failed write
};
