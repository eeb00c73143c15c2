#pragma once
// Value types of the media control interface.
#include <cstdint>

#include "platform/gdi/Types.h"

namespace win {

using MCIERROR = DWORD;
using MCIDEVICEID = UINT;
using DWORD_PTR = std::uintptr_t;
using LPCSTR = const char*;
using LPSTR = char*;

}  // namespace win
