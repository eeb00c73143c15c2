#include "trackmill/app/jobs/JobThread.h"

#include <atomic>
#include <chrono>

#include "trackmill/app/jobs/JobRun.h"

using platform::process::StandardStream;

namespace {

std::atomic<int> LiveThreads{0};

constexpr auto ExitPollPeriod = std::chrono::milliseconds(100);
// After a read only the end is waited for, this long: a child that writes line by line is then read in batches
// instead of waking the thread (and the UI thread) for every line, and no pipe fills up meanwhile.
constexpr auto BatchPeriod = std::chrono::milliseconds(10);

}  // namespace

void TJobThread::Launch(std::shared_ptr<TJobRun> run) {
    auto* thread = new TJobThread(std::move(run));
    thread->SetFreeOnTerminate(true);
    thread->Resume();
}

int TJobThread::Live() { return LiveThreads; }

TJobThread::TJobThread(std::shared_ptr<TJobRun> run) : FRun(std::move(run)) { ++LiveThreads; }

TJobThread::~TJobThread() { --LiveThreads; }

bool TJobThread::ReadPass() {
    bool read = false;
    for (const StandardStream stream : {StandardStream::Output, StandardStream::Error}) {
        const std::size_t available = FRun->Child.available(stream);
        if (available == 0) continue;
        FRun->BytesAvailable = available;
        const std::shared_ptr<TJobRun> run = FRun;
        Synchronize([run, stream] {
            if (run->Job != nullptr) run->Job->ReadPipe(stream);
        });
        read = true;
    }
    return read;
}

void TJobThread::Execute() {
    for (;;) {
        const bool idle = !ReadPass();
        const bool ended =
            idle ? FRun->Child.waitForExitOrOutput(ExitPollPeriod) : FRun->Child.waitForExit(BatchPeriod);
        if (ended) {
            // Everything the child wrote before it ended is parsed before its end is reported.
            while (ReadPass()) {
            }
            if (!FRun->Cancelled) {
                const std::shared_ptr<TJobRun> run = FRun;
                Synchronize([run] {
                    if (run->Job != nullptr) run->Job->ProcessFinished();
                });
            }
            return;
        }
        if (idle && FRun->Cancelled) return;
    }
}
