#pragma once
// Parameter blocks of the commands, passed to mciSendCommand by address.
#include "platform/media/MciTypes.h"

namespace win {

struct MCI_GENERIC_PARMS {
    DWORD_PTR dwCallback = 0;
};

struct MCI_OPEN_PARMS {
    DWORD_PTR dwCallback = 0;
    MCIDEVICEID wDeviceID = 0;         // out
    LPCSTR lpstrDeviceType = nullptr;  // a name, or with MCI_OPEN_TYPE_ID an MCI_DEVTYPE_ value
    LPCSTR lpstrElementName = nullptr;
    LPCSTR lpstrAlias = nullptr;
};

struct MCI_PLAY_PARMS {
    DWORD_PTR dwCallback = 0;
    DWORD dwFrom = 0;
    DWORD dwTo = 0;
};

struct MCI_RECORD_PARMS {
    DWORD_PTR dwCallback = 0;
    DWORD dwFrom = 0;
    DWORD dwTo = 0;
};

struct MCI_SEEK_PARMS {
    DWORD_PTR dwCallback = 0;
    DWORD dwTo = 0;
};

struct MCI_SET_PARMS {
    DWORD_PTR dwCallback = 0;
    DWORD dwTimeFormat = 0;
    DWORD dwAudio = 0;
};

struct MCI_STATUS_PARMS {
    DWORD_PTR dwCallback = 0;
    DWORD_PTR dwReturn = 0;  // out
    DWORD dwItem = 0;
    DWORD dwTrack = 0;
};

struct MCI_SAVE_PARMS {
    DWORD_PTR dwCallback = 0;
    LPCSTR lpfilename = nullptr;
};

}  // namespace win
