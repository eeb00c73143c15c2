#pragma once
// The progress record that workers and jobs post to the progress windows, its markers and status values, and the
// numbers of the messages that carry it.
#include <cstdint>
#include <string>

#include "platform/user/MessagePayload.h"
#include "platform/user/Messages.h"

// Posted with wParam 0. WM_RIP_ERROR carries a plain code in lParam, the other two a TProcessInfo.
inline constexpr win::UINT WM_RIP_ERROR = win::WM_USER + 101;
inline constexpr win::UINT WM_RIP_PROGRESS = win::WM_USER + 102;
inline constexpr win::UINT WM_KELM_PROGRESS = win::WM_USER + 103;

// WM_RIP_ERROR codes.
inline constexpr win::LPARAM RIP_ERROR_SETUP = 1;
inline constexpr win::LPARAM RIP_ERROR_TOC = 2;

// Markers carried in Percent in place of a progress figure.
inline constexpr std::int32_t PI_NORMALIZING = 999;
inline constexpr std::int32_t PI_TRACK_DONE = 1000;
inline constexpr std::int32_t PI_MP3_DONE = 2000;
inline constexpr std::int32_t PI_KELM_DONE = 5000;

// Status with PI_TRACK_DONE.
inline constexpr std::int32_t TRACK_DONE_OK = 0;
inline constexpr std::int32_t TRACK_FILE_FAILED = 1;  // the folder took no WAV; Cause says why
inline constexpr std::int32_t TRACK_READ_FAILED = 3;
inline constexpr std::int32_t TRACK_GAIN_FAILED = 4;  // the WAV is whole but not scaled; Cause says why
inline constexpr std::int32_t TRACK_DISK_FULL = 5;    // no WAV: the disk filled up; Cause says so

// Status with PI_MP3_DONE and PI_KELM_DONE.
inline constexpr std::int32_t JOB_OVERWRITE_DECLINED = 0;
inline constexpr std::int32_t JOB_OUTPUT_IN_USE = 1;
inline constexpr std::int32_t JOB_CHILD_ENDED = 2;
// No child was started: the output's folder takes no file; Cause says why.
inline constexpr std::int32_t JOB_OUTPUT_UNWRITABLE = 5;

// With JOB_CHILD_ENDED: the child did not end by exit() on its own (a signal ended it).
inline constexpr std::int32_t NO_EXIT_CODE = -1;

// Created zeroed by the sender, owned by the queue once posted and by the receiving window after that.
struct TProcessInfo : win::MessagePayload {
    std::int32_t Percent = 0;
    std::string ElapsedText;
    std::string EstimatedText;
    std::int32_t Status = 0;
    // With JOB_CHILD_ENDED: the child's exit status, or NO_EXIT_CODE.
    std::int32_t ExitCode = NO_EXIT_CODE;
    // With JOB_CHILD_ENDED: the child exited with 0 and its whole output now stands under the output's name.
    bool OutputComplete = false;
    // With TRACK_FILE_FAILED, TRACK_DISK_FULL, TRACK_GAIN_FAILED, JOB_OUTPUT_UNWRITABLE, and JOB_CHILD_ENDED without
    // OutputComplete: what went wrong, with the operating system's words where it gave some.
    std::string Cause;
};
