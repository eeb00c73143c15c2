#pragma once
// What a running child job shares with its polling thread. The thread holds it as long as it runs, so a job that
// is stopped or freed meanwhile is never reached through it: Job is cleared, on the UI thread, the moment the run
// stops belonging to the job, and every call the thread hands to the UI thread checks it there first.
#include <atomic>
#include <cstddef>

#include "platform/process/ChildProcess.h"
#include "trackmill/app/jobs/JobRunOwner.h"

struct TJobRun {
    platform::process::ChildProcess Child;
    TJobRunOwner* Job = nullptr;  // UI thread only
    // Set when the job lets go of the run; the thread leaves at the end of its pass.
    std::atomic<bool> Cancelled{false};
    // What the last peek reported, the size of the read it hands over.
    std::size_t BytesAvailable = 0;
};
