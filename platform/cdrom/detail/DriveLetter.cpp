#include "platform/cdrom/detail/DriveLetter.h"

#include "platform/cdrom/detail/Drive.h"
#include "platform/cdrom/detail/DriveList.h"

#include <vector>

namespace platform::cdrom::detail {

std::optional<Drive> DriveAtLetter(char letter) {
    if (letter < kFirstCdLetter || letter > 'z') return std::nullopt;
    const std::vector<Drive> drives = ListDrives();
    const std::size_t index = static_cast<std::size_t>(letter - kFirstCdLetter);
    if (index >= drives.size()) return std::nullopt;
    return drives[index];
}

char LetterOfDrive(int driveId) {
    const std::vector<Drive> drives = ListDrives();
    for (std::size_t index = 0; index < drives.size(); ++index) {
        if (drives[index].id == driveId)
            return index <= static_cast<std::size_t>('z' - kFirstCdLetter)
                       ? static_cast<char>(kFirstCdLetter + static_cast<int>(index))
                       : '\0';
    }
    return '\0';
}

}  // namespace platform::cdrom::detail
