#pragma once
// Open handles. Numbers count up from 1 and are never reused, so a stale handle fails cleanly. A closed handle's
// drive lives on until calls already inside it return.
#include "platform/cdrom/CdRecords.h"

#include <memory>

namespace platform::cdrom::detail {

struct Drive;
class OpenDrive;

HCDROM AddHandle(const Drive& drive);
std::shared_ptr<OpenDrive> FindHandle(HCDROM handle);
bool RemoveHandle(HCDROM handle);

}  // namespace platform::cdrom::detail
