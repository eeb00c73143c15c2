#pragma once
// The virtual screen: every visible top-level window's backing store, back to front, clipped by its region.
#include "platform/gdi/Surface.h"

namespace present {

gdi::Surface ComposeScreen(int width, int height);

}  // namespace present
