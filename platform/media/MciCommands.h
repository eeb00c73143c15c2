#pragma once
// Command messages, flags and status values of the media control interface, with their customary numbers.
#include "platform/media/MciTypes.h"

namespace win {

inline constexpr UINT MCI_OPEN = 0x0803;
inline constexpr UINT MCI_CLOSE = 0x0804;
inline constexpr UINT MCI_PLAY = 0x0806;
inline constexpr UINT MCI_SEEK = 0x0807;
inline constexpr UINT MCI_STOP = 0x0808;
inline constexpr UINT MCI_SET = 0x080D;
inline constexpr UINT MCI_RECORD = 0x080F;
inline constexpr UINT MCI_SAVE = 0x0813;
inline constexpr UINT MCI_STATUS = 0x0814;

// Flags every command takes.
inline constexpr DWORD MCI_NOTIFY = 0x00000001;
inline constexpr DWORD MCI_WAIT = 0x00000002;
inline constexpr DWORD MCI_FROM = 0x00000004;
inline constexpr DWORD MCI_TO = 0x00000008;

inline constexpr DWORD MCI_OPEN_ELEMENT = 0x00000200;
inline constexpr DWORD MCI_OPEN_ALIAS = 0x00000400;
inline constexpr DWORD MCI_OPEN_TYPE_ID = 0x00001000;
inline constexpr DWORD MCI_OPEN_TYPE = 0x00002000;

inline constexpr DWORD MCI_SEEK_TO_START = 0x00000100;
inline constexpr DWORD MCI_SEEK_TO_END = 0x00000200;

inline constexpr DWORD MCI_RECORD_INSERT = 0x00000100;
inline constexpr DWORD MCI_RECORD_OVERWRITE = 0x00000200;

inline constexpr DWORD MCI_SAVE_FILE = 0x00000100;

inline constexpr DWORD MCI_SET_DOOR_OPEN = 0x00000100;
inline constexpr DWORD MCI_SET_DOOR_CLOSED = 0x00000200;
inline constexpr DWORD MCI_SET_TIME_FORMAT = 0x00000400;

inline constexpr DWORD MCI_STATUS_ITEM = 0x00000100;
inline constexpr DWORD MCI_STATUS_LENGTH = 0x00000001;
inline constexpr DWORD MCI_STATUS_POSITION = 0x00000002;
inline constexpr DWORD MCI_STATUS_MODE = 0x00000004;
inline constexpr DWORD MCI_STATUS_TIME_FORMAT = 0x00000006;

inline constexpr DWORD MCI_FORMAT_MILLISECONDS = 0;

// Device types, as MCI_OPEN_TYPE_ID passes them in place of a type name.
inline constexpr UINT MCI_DEVTYPE_CD_AUDIO = 516;
inline constexpr UINT MCI_DEVTYPE_WAVEFORM_AUDIO = 522;

// Values of MCI_STATUS_MODE.
inline constexpr DWORD MCI_MODE_NOT_READY = 524;
inline constexpr DWORD MCI_MODE_STOP = 525;
inline constexpr DWORD MCI_MODE_PLAY = 526;
inline constexpr DWORD MCI_MODE_RECORD = 527;
inline constexpr DWORD MCI_MODE_SEEK = 528;
inline constexpr DWORD MCI_MODE_PAUSE = 529;
inline constexpr DWORD MCI_MODE_OPEN = 530;

}  // namespace win
