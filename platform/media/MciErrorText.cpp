// mciGetErrorString: the text of each error the devices return.
#include <algorithm>
#include <cstring>

#include "platform/media/Mci.h"
#include "platform/media/MciErrors.h"

namespace win {

namespace {

struct ErrorText {
    MCIERROR error;
    const char* text;
};

constexpr ErrorText kTexts[] = {
    {MCIERR_INVALID_DEVICE_ID, "Invalid device identifier. Use the identifier the open command returned."},
    {MCIERR_UNRECOGNIZED_KEYWORD, "The command contains an unknown keyword."},
    {MCIERR_UNRECOGNIZED_COMMAND, "Unknown command."},
    {MCIERR_HARDWARE, "The device did not carry out the command. Check that the drive is ready."},
    {MCIERR_INVALID_DEVICE_NAME, "No device of this name is open or known."},
    {MCIERR_OUT_OF_MEMORY, "Not enough memory for this command."},
    {MCIERR_MISSING_COMMAND_STRING, "The command string is empty."},
    {MCIERR_PARAM_OVERFLOW, "The result does not fit into the buffer given. Use a larger buffer."},
    {MCIERR_MISSING_STRING_ARGUMENT, "A keyword is missing its text value."},
    {MCIERR_BAD_INTEGER, "A value given as a number is not a number in range."},
    {MCIERR_MISSING_PARAMETER, "The command needs a parameter that was not given."},
    {MCIERR_UNSUPPORTED_FUNCTION, "The device does not support this command."},
    {MCIERR_FILE_NOT_FOUND, "The file was not found. Check the path and the file name."},
    {MCIERR_EXTENSION_NOT_FOUND, "No device plays files of this extension. Name the device type."},
    {MCIERR_OUTOFRANGE, "The position is outside the recording."},
    {MCIERR_FLAGS_NOT_COMPATIBLE, "The options given cannot be used together."},
    {MCIERR_FILE_NOT_SAVED, "The file could not be saved. Check the free space and the permissions of the folder."},
    {MCIERR_DEVICE_TYPE_REQUIRED, "The device type must be given."},
    {MCIERR_DUPLICATE_ALIAS, "The alias is already used by an open device."},
    {MCIERR_MISSING_DEVICE_NAME, "The command does not name a device."},
    {MCIERR_BAD_TIME_FORMAT, "The device does not support this time format."},
    {MCIERR_NO_CLOSING_QUOTE, "A quoted value is missing its closing quote."},
    {MCIERR_INVALID_FILE, "The file is not a sound file this device can use."},
    {MCIERR_NULL_PARAMETER_BLOCK, "The command needs a parameter block."},
    {MCIERR_NEW_REQUIRES_ALIAS, "A new recording must be opened with an alias."},
    {MCIERR_FILENAME_REQUIRED, "A file name is required."},
    {MCIERR_WAVE_OUTPUTSUNSUITABLE, "No sound output can play this format, or there is no sound output."},
    {MCIERR_WAVE_INPUTSUNSUITABLE, "No sound input can record this format, or there is no sound input."},
};

}  // namespace

BOOL mciGetErrorString(MCIERROR error, LPSTR text, UINT length) {
    for (const ErrorText& entry : kTexts) {
        if (entry.error != error) continue;
        if (text && length > 0) {
            const std::size_t count = std::min<std::size_t>(std::strlen(entry.text), length - 1);
            std::memcpy(text, entry.text, count);
            text[count] = '\0';
        }
        return TRUE;
    }
    if (text && length > 0) text[0] = '\0';
    return FALSE;
}

}  // namespace win
