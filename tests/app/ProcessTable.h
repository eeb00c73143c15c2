#pragma once
// What /proc says about our children and descriptors.
#include <sys/types.h>
#include <vector>

// Our children that have ended but were never reaped.
std::vector<pid_t> ZombieChildren();
int OpenDescriptorCount();
