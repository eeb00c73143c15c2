#include "platform/media/detail/CommandText.h"

#include "platform/media/MciCommands.h"
#include "platform/media/MciParms.h"

namespace platform::media::detail {

namespace {

template <typename Parms>
const Parms* Block(win::DWORD_PTR parms) {
    return reinterpret_cast<const Parms*>(parms);
}

std::string Range(const char* verb, win::DWORD_PTR flags, win::DWORD from, win::DWORD to) {
    std::string text = verb;
    if (flags & win::MCI_FROM) text += " from " + std::to_string(from);
    if (flags & win::MCI_TO) text += " to " + std::to_string(to);
    return text;
}

std::string OpenText(win::DWORD_PTR flags, const win::MCI_OPEN_PARMS* open) {
    std::string text = "open";
    if (!open) return text;
    if ((flags & win::MCI_OPEN_ELEMENT) && open->lpstrElementName) text += std::string(" ") + open->lpstrElementName;
    if ((flags & win::MCI_OPEN_TYPE) && !(flags & win::MCI_OPEN_TYPE_ID) && open->lpstrDeviceType)
        text += std::string(" type ") + open->lpstrDeviceType;
    if ((flags & win::MCI_OPEN_ALIAS) && open->lpstrAlias) text += std::string(" alias ") + open->lpstrAlias;
    return text;
}

std::string StatusText(const win::MCI_STATUS_PARMS* status) {
    if (!status) return "status";
    switch (status->dwItem) {
        case win::MCI_STATUS_LENGTH:
            return "status length";
        case win::MCI_STATUS_POSITION:
            return "status position";
        case win::MCI_STATUS_MODE:
            return "status mode";
        case win::MCI_STATUS_TIME_FORMAT:
            return "status time format";
        default:
            return "status " + std::to_string(status->dwItem);
    }
}

std::string SetText(win::DWORD_PTR flags) {
    if (flags & win::MCI_SET_TIME_FORMAT) return "set time format milliseconds";
    if (flags & win::MCI_SET_DOOR_OPEN) return "set door open";
    if (flags & win::MCI_SET_DOOR_CLOSED) return "set door closed";
    return "set";
}

std::string SeekText(win::DWORD_PTR flags, const win::MCI_SEEK_PARMS* seek) {
    if (flags & win::MCI_SEEK_TO_START) return "seek to start";
    if (flags & win::MCI_SEEK_TO_END) return "seek to end";
    if ((flags & win::MCI_TO) && seek) return "seek to " + std::to_string(seek->dwTo);
    return "seek";
}

}  // namespace

std::string CommandText(win::UINT message, win::DWORD_PTR flags, win::DWORD_PTR parms) {
    switch (message) {
        case win::MCI_OPEN:
            return OpenText(flags, Block<win::MCI_OPEN_PARMS>(parms));
        case win::MCI_CLOSE:
            return "close";
        case win::MCI_PLAY: {
            const auto* play = Block<win::MCI_PLAY_PARMS>(parms);
            return play ? Range("play", flags, play->dwFrom, play->dwTo) : "play";
        }
        case win::MCI_RECORD: {
            const auto* record = Block<win::MCI_RECORD_PARMS>(parms);
            return record ? Range("record", flags, record->dwFrom, record->dwTo) : "record";
        }
        case win::MCI_STOP:
            return "stop";
        case win::MCI_SEEK:
            return SeekText(flags, Block<win::MCI_SEEK_PARMS>(parms));
        case win::MCI_SET:
            return SetText(flags);
        case win::MCI_STATUS:
            return StatusText(Block<win::MCI_STATUS_PARMS>(parms));
        case win::MCI_SAVE: {
            const auto* save = Block<win::MCI_SAVE_PARMS>(parms);
            if ((flags & win::MCI_SAVE_FILE) && save && save->lpfilename)
                return std::string("save ") + save->lpfilename;
            return "save";
        }
        default:
            return "command " + std::to_string(message);
    }
}

}  // namespace platform::media::detail
