#pragma once
// Drive letters as the application's audio-CD detection sees them: c: is the fixed disk, and the CD drives of the
// drive list follow from d: in list order.
#include "platform/win/Types.h"

namespace win {

inline constexpr UINT DRIVE_NO_ROOT_DIR = 1;
inline constexpr UINT DRIVE_FIXED = 3;
inline constexpr UINT DRIVE_CDROM = 5;

// rootPath is "x:\", "x:/" or "x:"; null means c:.
UINT GetDriveTypeA(const char* rootPath);

// A CD drive's volume is labelled "Audio CD" when its disc has audio tracks, and has no label otherwise; a drive
// without a disc fails. The serial number is 0 and the file system "CDFS". Every output may be null.
BOOL GetVolumeInformationA(const char* rootPath, char* volumeName, DWORD volumeNameSize, DWORD* serialNumber,
                           DWORD* maxComponentLength, DWORD* fileSystemFlags, char* fileSystemName,
                           DWORD fileSystemNameSize);

}  // namespace win
