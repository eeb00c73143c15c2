#include "trackmill/app/JobThread.h"

#include <atomic>
#include <chrono>

#include "trackmill/app/ChildProcessJob.h"
#include "trackmill/app/JobRun.h"

using platform::process::StandardStream;

namespace {

std::atomic<int> LiveThreads{0};

constexpr auto ExitPollPeriod = std::chrono::milliseconds(100);

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
        if (idle && FRun->Child.waitForExit(ExitPollPeriod)) {
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
