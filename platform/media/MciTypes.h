#pragma once
// Value types of the media control interface.
#include "platform/win/Types.h"

namespace win {

using MCIERROR = DWORD;
using MCIDEVICEID = UINT;

}  // namespace win
