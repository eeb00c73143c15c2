// mciSendString: command strings, turned into command messages for the same devices.
#include <strings.h>
#include <charconv>
#include <cstring>
#include <string>
#include <vector>

#include "platform/media/Mci.h"
#include "platform/media/MciCommands.h"
#include "platform/media/MciErrors.h"
#include "platform/media/MciParms.h"
#include "platform/media/detail/CommandWords.h"
#include "platform/media/detail/DeviceTable.h"

namespace win {

namespace {

using platform::media::detail::DeviceTable;

bool Is(const std::string& word, const char* keyword) { return strcasecmp(word.c_str(), keyword) == 0; }

// The words after the device name, taken one by one.
class Keywords {
  public:
    explicit Keywords(std::vector<std::string> words) : words_(std::move(words)), at_(2) {}

    bool done() const { return at_ >= words_.size(); }
    const std::string& next() { return words_[at_++]; }
    bool nextIs(const char* keyword) {
        if (done() || !Is(words_[at_], keyword)) return false;
        ++at_;
        return true;
    }
    MCIERROR number(DWORD& value) {
        if (done()) return MCIERR_MISSING_PARAMETER;
        const std::string& text = next();
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        return error == std::errc() && end == text.data() + text.size() ? 0 : MCIERR_BAD_INTEGER;
    }

  private:
    std::vector<std::string> words_;
    std::size_t at_;
};

// "wait" and "notify" go with every command.
bool TakeCommonFlag(const std::string& word, DWORD& flags) {
    if (Is(word, "wait"))
        flags |= MCI_WAIT;
    else if (Is(word, "notify"))
        flags |= MCI_NOTIFY;
    else
        return false;
    return true;
}

MCIERROR Open(const std::string& name, Keywords& keywords, std::string& result) {
    DWORD flags = 0;
    std::string type;
    std::string alias;
    while (!keywords.done()) {
        const std::string& word = keywords.next();
        if (TakeCommonFlag(word, flags) || Is(word, "shareable")) continue;
        std::string* value = Is(word, "type") ? &type : Is(word, "alias") ? &alias : nullptr;
        if (!value) return MCIERR_UNRECOGNIZED_KEYWORD;
        if (keywords.done()) return MCIERR_MISSING_STRING_ARGUMENT;
        *value = keywords.next();
    }
    std::string element;
    if (Is(name, "waveaudio") || Is(name, "cdaudio")) {
        if (!type.empty()) return MCIERR_FLAGS_NOT_COMPATIBLE;
        type = name;
        if (alias.empty()) alias = name;
    } else if (Is(name, "new")) {
        if (type.empty()) return MCIERR_DEVICE_TYPE_REQUIRED;
        if (alias.empty()) return MCIERR_NEW_REQUIRES_ALIAS;
        flags |= MCI_OPEN_ELEMENT;
    } else {
        element = name;
        flags |= MCI_OPEN_ELEMENT;
    }
    MCI_OPEN_PARMS parms;
    parms.lpstrDeviceType = type.c_str();
    parms.lpstrElementName = element.c_str();
    parms.lpstrAlias = alias.c_str();
    if (!type.empty()) flags |= MCI_OPEN_TYPE;
    if (!alias.empty()) flags |= MCI_OPEN_ALIAS;
    if (const MCIERROR error = mciSendCommand(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&parms))) return error;
    result = std::to_string(parms.wDeviceID);
    return 0;
}

MCIERROR Set(MCIDEVICEID id, Keywords& keywords) {
    DWORD flags = 0;
    MCI_SET_PARMS parms;
    while (!keywords.done()) {
        const std::string& word = keywords.next();
        if (TakeCommonFlag(word, flags)) continue;
        if (Is(word, "time")) {
            if (!keywords.nextIs("format")) return MCIERR_UNRECOGNIZED_KEYWORD;
            if (keywords.done()) return MCIERR_MISSING_PARAMETER;
            const std::string& format = keywords.next();
            if (!Is(format, "milliseconds") && !Is(format, "ms")) return MCIERR_BAD_TIME_FORMAT;
            flags |= MCI_SET_TIME_FORMAT;
            parms.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
        } else if (Is(word, "door")) {
            if (keywords.nextIs("open"))
                flags |= MCI_SET_DOOR_OPEN;
            else if (keywords.nextIs("closed"))
                flags |= MCI_SET_DOOR_CLOSED;
            else
                return MCIERR_MISSING_PARAMETER;
        } else {
            return MCIERR_UNRECOGNIZED_KEYWORD;
        }
    }
    return mciSendCommand(id, MCI_SET, flags, reinterpret_cast<DWORD_PTR>(&parms));
}

const char* ModeText(DWORD_PTR mode) {
    switch (mode) {
        case MCI_MODE_NOT_READY:
            return "not ready";
        case MCI_MODE_STOP:
            return "stopped";
        case MCI_MODE_PLAY:
            return "playing";
        case MCI_MODE_RECORD:
            return "recording";
        case MCI_MODE_SEEK:
            return "seeking";
        case MCI_MODE_PAUSE:
            return "paused";
        case MCI_MODE_OPEN:
            return "open";
        default:
            return "";
    }
}

MCIERROR Status(MCIDEVICEID id, Keywords& keywords, std::string& result) {
    DWORD flags = 0;
    MCI_STATUS_PARMS parms;
    while (!keywords.done()) {
        const std::string& word = keywords.next();
        if (TakeCommonFlag(word, flags)) continue;
        if (flags & MCI_STATUS_ITEM) return MCIERR_FLAGS_NOT_COMPATIBLE;
        flags |= MCI_STATUS_ITEM;
        if (Is(word, "length"))
            parms.dwItem = MCI_STATUS_LENGTH;
        else if (Is(word, "position"))
            parms.dwItem = MCI_STATUS_POSITION;
        else if (Is(word, "mode"))
            parms.dwItem = MCI_STATUS_MODE;
        else if (Is(word, "time") && keywords.nextIs("format"))
            parms.dwItem = MCI_STATUS_TIME_FORMAT;
        else
            return MCIERR_UNRECOGNIZED_KEYWORD;
    }
    if (const MCIERROR error = mciSendCommand(id, MCI_STATUS, flags, reinterpret_cast<DWORD_PTR>(&parms))) return error;
    if (parms.dwItem == MCI_STATUS_MODE)
        result = ModeText(parms.dwReturn);
    else if (parms.dwItem == MCI_STATUS_TIME_FORMAT)
        result = "milliseconds";
    else
        result = std::to_string(parms.dwReturn);
    return 0;
}

// play and record: "from" and "to" positions; record also takes "insert" and "overwrite".
MCIERROR Transport(MCIDEVICEID id, UINT message, Keywords& keywords) {
    DWORD flags = 0;
    MCI_PLAY_PARMS parms;
    while (!keywords.done()) {
        const std::string& word = keywords.next();
        if (TakeCommonFlag(word, flags)) continue;
        MCIERROR error = 0;
        if (Is(word, "from")) {
            flags |= MCI_FROM;
            error = keywords.number(parms.dwFrom);
        } else if (Is(word, "to")) {
            flags |= MCI_TO;
            error = keywords.number(parms.dwTo);
        } else if (message == MCI_RECORD && Is(word, "insert")) {
            flags |= MCI_RECORD_INSERT;
        } else if (message == MCI_RECORD && Is(word, "overwrite")) {
            flags |= MCI_RECORD_OVERWRITE;
        } else {
            error = MCIERR_UNRECOGNIZED_KEYWORD;
        }
        if (error) return error;
    }
    if (message == MCI_PLAY) return mciSendCommand(id, MCI_PLAY, flags, reinterpret_cast<DWORD_PTR>(&parms));
    MCI_RECORD_PARMS record;
    record.dwFrom = parms.dwFrom;
    record.dwTo = parms.dwTo;
    return mciSendCommand(id, MCI_RECORD, flags, reinterpret_cast<DWORD_PTR>(&record));
}

MCIERROR Seek(MCIDEVICEID id, Keywords& keywords) {
    DWORD flags = 0;
    MCI_SEEK_PARMS parms;
    while (!keywords.done()) {
        const std::string& word = keywords.next();
        if (TakeCommonFlag(word, flags)) continue;
        if (!Is(word, "to")) return MCIERR_UNRECOGNIZED_KEYWORD;
        if (keywords.nextIs("start")) {
            flags |= MCI_SEEK_TO_START;
        } else if (keywords.nextIs("end")) {
            flags |= MCI_SEEK_TO_END;
        } else {
            flags |= MCI_TO;
            if (const MCIERROR error = keywords.number(parms.dwTo)) return error;
        }
    }
    return mciSendCommand(id, MCI_SEEK, flags, reinterpret_cast<DWORD_PTR>(&parms));
}

MCIERROR Save(MCIDEVICEID id, Keywords& keywords) {
    DWORD flags = 0;
    std::string file;
    while (!keywords.done()) {
        const std::string& word = keywords.next();
        if (TakeCommonFlag(word, flags)) continue;
        if (!file.empty()) return MCIERR_UNRECOGNIZED_KEYWORD;
        file = word;
        flags |= MCI_SAVE_FILE;
    }
    MCI_SAVE_PARMS parms;
    parms.lpfilename = file.c_str();
    return mciSendCommand(id, MCI_SAVE, flags, reinterpret_cast<DWORD_PTR>(&parms));
}

// stop and close take nothing but "wait" and "notify".
MCIERROR Plain(MCIDEVICEID id, UINT message, Keywords& keywords) {
    DWORD flags = 0;
    while (!keywords.done())
        if (!TakeCommonFlag(keywords.next(), flags)) return MCIERR_UNRECOGNIZED_KEYWORD;
    MCI_GENERIC_PARMS parms;
    return mciSendCommand(id, message, flags, reinterpret_cast<DWORD_PTR>(&parms));
}

MCIERROR RunOnDevice(MCIDEVICEID id, const std::string& verb, Keywords& keywords, std::string& result) {
    if (Is(verb, "set")) return Set(id, keywords);
    if (Is(verb, "status")) return Status(id, keywords, result);
    if (Is(verb, "play")) return Transport(id, MCI_PLAY, keywords);
    if (Is(verb, "record")) return Transport(id, MCI_RECORD, keywords);
    if (Is(verb, "seek")) return Seek(id, keywords);
    if (Is(verb, "save")) return Save(id, keywords);
    if (Is(verb, "stop")) return Plain(id, MCI_STOP, keywords);
    return Plain(id, MCI_CLOSE, keywords);
}

bool IsKnownVerb(const std::string& verb) {
    for (const char* known : {"open", "close", "set", "status", "play", "record", "seek", "save", "stop"})
        if (Is(verb, known)) return true;
    return false;
}

// A command naming the cdaudio device when none is open opens one for that command alone.
MCIERROR RunOnCdAudio(const std::string& verb, Keywords& keywords, std::string& result) {
    MCI_OPEN_PARMS open;
    open.lpstrDeviceType = "cdaudio";
    if (const MCIERROR error = mciSendCommand(0, MCI_OPEN, MCI_OPEN_TYPE, reinterpret_cast<DWORD_PTR>(&open)))
        return error;
    const MCIERROR error = RunOnDevice(open.wDeviceID, verb, keywords, result);
    if (!Is(verb, "close")) mciSendCommand(open.wDeviceID, MCI_CLOSE, 0, 0);
    return error;
}

MCIERROR Run(const char* command, std::string& result) {
    if (!command) return MCIERR_MISSING_COMMAND_STRING;
    auto words = platform::media::detail::SplitCommandWords(command);
    if (!words) return MCIERR_NO_CLOSING_QUOTE;
    if (words->empty()) return MCIERR_MISSING_COMMAND_STRING;
    const std::string verb = (*words)[0];
    if (!IsKnownVerb(verb)) return MCIERR_UNRECOGNIZED_COMMAND;
    if (words->size() < 2) return MCIERR_MISSING_DEVICE_NAME;
    const std::string name = (*words)[1];
    Keywords keywords(std::move(*words));
    if (Is(verb, "open")) return Open(name, keywords, result);
    if (const auto device = DeviceTable::instance().find(name)) return RunOnDevice(device->id, verb, keywords, result);
    if (Is(name, "cdaudio")) return RunOnCdAudio(verb, keywords, result);
    return MCIERR_INVALID_DEVICE_NAME;
}

}  // namespace

MCIERROR mciSendString(LPCSTR command, LPSTR returnString, UINT returnLength, HWND) {
    if (returnString && returnLength > 0) returnString[0] = '\0';
    std::string result;
    if (const MCIERROR error = Run(command, result)) return error;
    if (!returnString || returnLength == 0) return 0;
    if (result.size() >= returnLength) return MCIERR_PARAM_OVERFLOW;
    std::memcpy(returnString, result.c_str(), result.size() + 1);
    return 0;
}

}  // namespace win
