#pragma once
// The clock the compression steps are timed by: the speeds the progress window learns and the elapsed time it
// shows follow it. Tests put a clock of their own in its place, so that a step can take any time without waiting.
#include <chrono>
#include <functional>

using TStepClock = std::function<std::chrono::steady_clock::time_point()>;

std::chrono::steady_clock::time_point StepClockNow();

// Installs clock (an empty one: the steady clock) and returns the one installed before.
TStepClock SetStepClock(TStepClock clock);
