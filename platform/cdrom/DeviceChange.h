#pragma once
// The device-change message and the volume record it carries.
#include "platform/win/Types.h"

namespace win {

inline constexpr UINT WM_DEVICECHANGE = 0x0219;
inline constexpr UINT DBT_DEVICEARRIVAL = 0x8000;
inline constexpr UINT DBT_DEVICEREMOVECOMPLETE = 0x8004;
inline constexpr DWORD DBT_DEVTYP_VOLUME = 0x00000002;
inline constexpr WORD DBTF_MEDIA = 0x0001;

struct DEV_BROADCAST_HDR {
    DWORD dbch_size = 0;
    DWORD dbch_devicetype = 0;
    DWORD dbch_reserved = 0;
};

// Starts with the fields of DEV_BROADCAST_HDR.
struct DEV_BROADCAST_VOLUME {
    DWORD dbcv_size = sizeof(DEV_BROADCAST_VOLUME);
    DWORD dbcv_devicetype = DBT_DEVTYP_VOLUME;
    DWORD dbcv_reserved = 0;
    DWORD dbcv_unitmask = 0;  // bit 0 is a:, bit 3 d:
    WORD dbcv_flags = 0;
};

}  // namespace win
