#pragma once
// The media control interface: the waveaudio device (WAV files held in memory, played and recorded through
// the audio backend) and the cdaudio device (the drive door). Commands arrive as text or as messages with
// parameter blocks; both reach the same devices. Any thread may call. Notification messages are not sent.
#include "platform/media/MciTypes.h"
#include "platform/win/Types.h"

namespace win {

// Runs one command string ("open x.wav alias rec", "status rec mode", "set cdaudio door open wait"). A result
// is copied into returnString when one is given; a result that does not fit is MCIERR_PARAM_OVERFLOW.
MCIERROR mciSendString(LPCSTR command, LPSTR returnString, UINT returnLength, HWND callback);
// Sends a command message (MCI_OPEN...) with its flags and the address of its parameter block.
MCIERROR mciSendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parms);
// The text of an error code, cut to fit length (NUL included); FALSE for a code that is not an error.
BOOL mciGetErrorString(MCIERROR error, LPSTR text, UINT length);

}  // namespace win
