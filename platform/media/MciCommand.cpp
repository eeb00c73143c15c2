// mciSendCommand: the command messages, dispatched to the open devices.
#include <strings.h>
#include <filesystem>
#include <new>

#include "platform/media/AudioBackend.h"
#include "platform/media/CdDoor.h"
#include "platform/media/FailureCause.h"
#include "platform/media/Mci.h"
#include "platform/media/MciCommands.h"
#include "platform/media/MciErrors.h"
#include "platform/media/MciParms.h"
#include "platform/media/WaveDevice.h"
#include "platform/media/detail/CommandText.h"
#include "platform/media/detail/DeviceTable.h"

namespace win {

namespace {

using platform::media::WaveDevice;
using platform::media::WaveMode;
using platform::media::detail::DeviceTable;
using platform::media::detail::DeviceType;
using platform::media::detail::OpenDevice;

thread_local std::string lastFailureCause;

// The format a new, empty waveaudio element starts with.
constexpr platform::media::PcmFormat kNewElementFormat{1, 11025, 8};

template <typename Parms>
Parms* Block(DWORD_PTR parms) {
    return reinterpret_cast<Parms*>(parms);
}

bool HasOne(DWORD_PTR flags, DWORD first, DWORD second) { return ((flags & first) != 0) != ((flags & second) != 0); }

MCIERROR DeviceTypeOf(DWORD_PTR flags, const MCI_OPEN_PARMS& open, DeviceType& type) {
    if (flags & MCI_OPEN_TYPE) {
        if (flags & MCI_OPEN_TYPE_ID) {
            const auto id = UINT(reinterpret_cast<std::uintptr_t>(open.lpstrDeviceType) & 0xFFFF);
            if (id == MCI_DEVTYPE_WAVEFORM_AUDIO)
                type = DeviceType::WaveAudio;
            else if (id == MCI_DEVTYPE_CD_AUDIO)
                type = DeviceType::CdAudio;
            else
                return MCIERR_INVALID_DEVICE_NAME;
            return 0;
        }
        if (!open.lpstrDeviceType) return MCIERR_MISSING_STRING_ARGUMENT;
        if (strcasecmp(open.lpstrDeviceType, "waveaudio") == 0)
            type = DeviceType::WaveAudio;
        else if (strcasecmp(open.lpstrDeviceType, "cdaudio") == 0)
            type = DeviceType::CdAudio;
        else
            return MCIERR_INVALID_DEVICE_NAME;
        return 0;
    }
    if (!(flags & MCI_OPEN_ELEMENT) || !open.lpstrElementName) return MCIERR_DEVICE_TYPE_REQUIRED;
    const std::string extension = std::filesystem::path(open.lpstrElementName).extension().string();
    if (strcasecmp(extension.c_str(), ".wav") != 0) return MCIERR_EXTENSION_NOT_FOUND;
    type = DeviceType::WaveAudio;
    return 0;
}

MCIERROR Open(DWORD_PTR flags, MCI_OPEN_PARMS* parms) {
    if (!parms) return MCIERR_NULL_PARAMETER_BLOCK;
    OpenDevice device;
    if (const MCIERROR error = DeviceTypeOf(flags, *parms, device.type)) return error;
    if ((flags & MCI_OPEN_ELEMENT) && parms->lpstrElementName) device.element = parms->lpstrElementName;
    if (flags & MCI_OPEN_ALIAS) {
        if (!parms->lpstrAlias || !*parms->lpstrAlias) return MCIERR_MISSING_STRING_ARGUMENT;
        device.alias = parms->lpstrAlias;
    }
    if (device.type == DeviceType::CdAudio) {
        if (!device.element.empty()) return MCIERR_FLAGS_NOT_COMPATIBLE;
    } else {
        if (!(flags & MCI_OPEN_ELEMENT)) return MCIERR_FILENAME_REQUIRED;
        device.wave = std::make_shared<WaveDevice>(platform::media::CurrentAudioBackend());
        if (device.element.empty()) {
            device.wave->openNew(kNewElementFormat);
        } else if (const MCIERROR error = device.wave->open(device.element)) {
            lastFailureCause = device.wave->failureCause();
            return error;
        }
    }
    const MCIDEVICEID id = DeviceTable::instance().add(std::move(device));
    if (id == 0) return MCIERR_DUPLICATE_ALIAS;
    parms->wDeviceID = id;
    return 0;
}

MCIERROR Set(const OpenDevice& device, DWORD_PTR flags, const MCI_SET_PARMS* parms) {
    const bool door = flags & (MCI_SET_DOOR_OPEN | MCI_SET_DOOR_CLOSED);
    if (!door && !(flags & MCI_SET_TIME_FORMAT)) return MCIERR_MISSING_PARAMETER;
    if (door && !HasOne(flags, MCI_SET_DOOR_OPEN, MCI_SET_DOOR_CLOSED)) return MCIERR_FLAGS_NOT_COMPATIBLE;
    if (flags & MCI_SET_TIME_FORMAT) {
        if (!parms) return MCIERR_NULL_PARAMETER_BLOCK;
        if (parms->dwTimeFormat != MCI_FORMAT_MILLISECONDS) return MCIERR_BAD_TIME_FORMAT;
    }
    if (!door) return 0;
    if (device.type != DeviceType::CdAudio) return MCIERR_UNSUPPORTED_FUNCTION;
    const auto move = (flags & MCI_SET_DOOR_OPEN) ? platform::media::DoorMove::Open : platform::media::DoorMove::Close;
    return platform::media::MoveCdDoor(move) ? 0 : MCIERR_HARDWARE;
}

DWORD ModeValue(WaveMode mode) {
    switch (mode) {
        case WaveMode::Playing:
            return MCI_MODE_PLAY;
        case WaveMode::Recording:
            return MCI_MODE_RECORD;
        case WaveMode::Stopped:
            break;
    }
    return MCI_MODE_STOP;
}

MCIERROR Status(WaveDevice& wave, DWORD_PTR flags, MCI_STATUS_PARMS* parms) {
    if (!parms) return MCIERR_NULL_PARAMETER_BLOCK;
    if (!(flags & MCI_STATUS_ITEM)) return MCIERR_MISSING_PARAMETER;
    switch (parms->dwItem) {
        case MCI_STATUS_LENGTH:
            parms->dwReturn = wave.length();
            return 0;
        case MCI_STATUS_POSITION:
            parms->dwReturn = wave.position();
            return 0;
        case MCI_STATUS_MODE:
            parms->dwReturn = ModeValue(wave.mode());
            return 0;
        case MCI_STATUS_TIME_FORMAT:
            parms->dwReturn = MCI_FORMAT_MILLISECONDS;
            return 0;
        default:
            return MCIERR_UNSUPPORTED_FUNCTION;
    }
}

MCIERROR Play(WaveDevice& wave, DWORD_PTR flags, const MCI_PLAY_PARMS* parms) {
    if ((flags & (MCI_FROM | MCI_TO)) && !parms) return MCIERR_NULL_PARAMETER_BLOCK;
    std::optional<std::uint32_t> from;
    std::optional<std::uint32_t> to;
    if (flags & MCI_FROM) from = parms->dwFrom;
    if (flags & MCI_TO) to = parms->dwTo;
    if (const MCIERROR error = wave.play(from, to)) return error;
    if (flags & MCI_WAIT) wave.waitUntilPlaybackEnds();
    return 0;
}

MCIERROR Record(WaveDevice& wave, DWORD_PTR flags, const MCI_RECORD_PARMS* parms) {
    if ((flags & MCI_TO) || (flags & MCI_RECORD_OVERWRITE)) return MCIERR_UNSUPPORTED_FUNCTION;
    // A recording without an end would never return.
    if (flags & MCI_WAIT) return MCIERR_FLAGS_NOT_COMPATIBLE;
    std::optional<std::uint32_t> from;
    if (flags & MCI_FROM) {
        if (!parms) return MCIERR_NULL_PARAMETER_BLOCK;
        from = parms->dwFrom;
    }
    return wave.record(from);
}

MCIERROR Seek(WaveDevice& wave, DWORD_PTR flags, const MCI_SEEK_PARMS* parms) {
    const int targets = ((flags & MCI_SEEK_TO_START) != 0) + ((flags & MCI_SEEK_TO_END) != 0) + ((flags & MCI_TO) != 0);
    if (targets == 0) return MCIERR_MISSING_PARAMETER;
    if (targets > 1) return MCIERR_FLAGS_NOT_COMPATIBLE;
    if (flags & MCI_SEEK_TO_START) {
        wave.seekToStart();
        return 0;
    }
    if (flags & MCI_SEEK_TO_END) {
        wave.seekToEnd();
        return 0;
    }
    if (!parms) return MCIERR_NULL_PARAMETER_BLOCK;
    return wave.seek(parms->dwTo);
}

MCIERROR Save(WaveDevice& wave, DWORD_PTR flags, const MCI_SAVE_PARMS* parms) {
    if (!(flags & MCI_SAVE_FILE)) return wave.save();
    if (!parms) return MCIERR_NULL_PARAMETER_BLOCK;
    if (!parms->lpfilename || !*parms->lpfilename) return MCIERR_FILENAME_REQUIRED;
    return wave.save(parms->lpfilename);
}

MCIERROR WaveCommand(WaveDevice& wave, UINT message, DWORD_PTR flags, DWORD_PTR parms) {
    switch (message) {
        case MCI_STATUS:
            return Status(wave, flags, Block<MCI_STATUS_PARMS>(parms));
        case MCI_PLAY:
            return Play(wave, flags, Block<MCI_PLAY_PARMS>(parms));
        case MCI_RECORD:
            return Record(wave, flags, Block<MCI_RECORD_PARMS>(parms));
        case MCI_STOP:
            wave.stop();
            return 0;
        case MCI_SEEK:
            return Seek(wave, flags, Block<MCI_SEEK_PARMS>(parms));
        case MCI_SAVE:
            return Save(wave, flags, Block<MCI_SAVE_PARMS>(parms));
        default:
            return MCIERR_UNRECOGNIZED_COMMAND;
    }
}

bool IsDeviceCommand(UINT message) {
    switch (message) {
        case MCI_STATUS:
        case MCI_PLAY:
        case MCI_RECORD:
        case MCI_STOP:
        case MCI_SEEK:
        case MCI_SAVE:
            return true;
        default:
            return false;
    }
}

MCIERROR Dispatch(MCIDEVICEID deviceId, UINT message, DWORD_PTR flags, DWORD_PTR parms) {
    if (message == MCI_OPEN) return Open(flags, Block<MCI_OPEN_PARMS>(parms));
    if (message != MCI_CLOSE && message != MCI_SET && !IsDeviceCommand(message)) return MCIERR_UNRECOGNIZED_COMMAND;
    auto& table = DeviceTable::instance();
    if (message == MCI_CLOSE) {
        const auto closed = table.remove(deviceId);
        if (!closed) return MCIERR_INVALID_DEVICE_ID;
        // Stopped here, not by the last holder, so that a play waiting on another thread returns.
        if (closed->wave) closed->wave->stop();
        return 0;
    }
    const auto device = table.find(deviceId);
    if (!device) return MCIERR_INVALID_DEVICE_ID;
    if (message == MCI_SET) return Set(*device, flags, Block<MCI_SET_PARMS>(parms));
    if (!device->wave) return MCIERR_UNSUPPORTED_FUNCTION;
    const MCIERROR error = WaveCommand(*device->wave, message, flags, parms);
    if (error) lastFailureCause = device->wave->failureCause();
    return error;
}

}  // namespace

MCIERROR mciSendCommand(MCIDEVICEID deviceId, UINT message, DWORD_PTR flags, DWORD_PTR parms) {
    lastFailureCause.clear();
    platform::media::detail::TellCommand(message, flags, parms);
    try {
        return Dispatch(deviceId, message, flags, parms);
    } catch (const std::bad_alloc&) {
        // A file or a recording too large for memory.
        return MCIERR_OUT_OF_MEMORY;
    }
}

}  // namespace win

namespace platform::media {

std::string LastFailureCause() { return win::lastFailureCause; }

}  // namespace platform::media
