#include "trackmill/app/jobs/StepClock.h"

#include <utility>

namespace {

TStepClock& InstalledClock() {
    static TStepClock clock;
    return clock;
}

}  // namespace

std::chrono::steady_clock::time_point StepClockNow() {
    const TStepClock& clock = InstalledClock();
    return clock ? clock() : std::chrono::steady_clock::now();
}

TStepClock SetStepClock(TStepClock clock) { return std::exchange(InstalledClock(), std::move(clock)); }
