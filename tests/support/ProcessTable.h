#pragma once

#include <sys/types.h>

#include <set>
#include <vector>

// What /proc says about processes and our descriptors.
namespace testsupport {

// The state letter of a process ('R', 'S', 'Z'...), or 0 when it no longer exists.
char processState(pid_t pid);

// Our children that have ended but were never reaped.
std::vector<pid_t> zombieChildren();
// Our children, running or ended but not yet reaped.
std::vector<pid_t> ourChildren();

int openDescriptorCount();
int highestOpenDescriptor();

// The descriptor count once it has come down to expected, or after a second when it does not: a child that
// has just been reaped may still have its exit notice open for a moment.
int settledDescriptorCount(int expected);

// Waits up to five seconds for the process to be gone or, when it is not our child, to be a zombie of
// someone else: either way it no longer runs. True when that happened.
bool waitUntilGone(pid_t pid, bool allowForeignZombie = false);

// The threads of a process.
std::set<pid_t> threadIds(pid_t pid);
// How often the threads of a process have been switched out, voluntarily or not: a thread that sleeps without
// waking adds nothing. Only the threads named count when any are named.
long contextSwitches(pid_t pid, const std::set<pid_t>& threads = {});

}  // namespace testsupport
