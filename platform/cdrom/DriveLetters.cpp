#include "platform/cdrom/DriveLetters.h"

#include "platform/cdrom/detail/Disc.h"
#include "platform/cdrom/detail/DiscLayout.h"
#include "platform/cdrom/detail/Drive.h"
#include "platform/cdrom/detail/DriveLetter.h"

#include <cctype>
#include <optional>
#include <string_view>

namespace win {
namespace {

constexpr char kFixedDisk = 'c';
constexpr std::string_view kAudioLabel = "Audio CD";
constexpr std::string_view kCdFileSystem = "CDFS";
constexpr DWORD kMaxComponentLength = 110;
constexpr DWORD kReadOnlyVolume = 0x00080000;

std::optional<char> LetterOf(const char* rootPath) {
    if (rootPath == nullptr) return kFixedDisk;
    const std::string_view root(rootPath);
    if (root.size() < 2 || root.size() > 3 || root[1] != ':' || !std::isalpha(static_cast<unsigned char>(root[0])))
        return std::nullopt;
    if (root.size() == 3 && root[2] != '\\' && root[2] != '/') return std::nullopt;
    return static_cast<char>(std::tolower(static_cast<unsigned char>(root[0])));
}

bool CopyOut(std::string_view text, char* buffer, DWORD size) {
    if (buffer == nullptr) return true;
    if (text.size() >= size) return false;
    text.copy(buffer, text.size());
    buffer[text.size()] = '\0';
    return true;
}

}  // namespace

UINT GetDriveTypeA(const char* rootPath) {
    const std::optional<char> letter = LetterOf(rootPath);
    if (!letter) return DRIVE_NO_ROOT_DIR;
    if (*letter == kFixedDisk) return DRIVE_FIXED;
    return platform::cdrom::detail::DriveAtLetter(*letter) ? DRIVE_CDROM : DRIVE_NO_ROOT_DIR;
}

BOOL GetVolumeInformationA(const char* rootPath, char* volumeName, DWORD volumeNameSize, DWORD* serialNumber,
                           DWORD* maxComponentLength, DWORD* fileSystemFlags, char* fileSystemName,
                           DWORD fileSystemNameSize) {
    using namespace platform::cdrom;
    const std::optional<char> letter = LetterOf(rootPath);
    if (!letter || *letter == kFixedDisk) return FALSE;
    const std::optional<detail::Drive> drive = detail::DriveAtLetter(*letter);
    if (!drive) return FALSE;
    const detail::CdioPtr disc = detail::OpenDisc(*drive);
    const std::optional<detail::DiscLayout> layout = disc ? detail::ReadLayout(*drive, disc.get()) : std::nullopt;
    if (!layout) return FALSE;
    if (!CopyOut(layout->hasAudio() ? kAudioLabel : std::string_view(), volumeName, volumeNameSize) ||
        !CopyOut(kCdFileSystem, fileSystemName, fileSystemNameSize))
        return FALSE;
    if (serialNumber != nullptr) *serialNumber = 0;
    if (maxComponentLength != nullptr) *maxComponentLength = kMaxComponentLength;
    if (fileSystemFlags != nullptr) *fileSystemFlags = kReadOnlyVolume;
    return TRUE;
}

}  // namespace win
