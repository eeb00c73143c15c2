#pragma once
// The letter a drive of the list answers to, and back.
#include <optional>

namespace platform::cdrom::detail {

struct Drive;

inline constexpr char kFirstCdLetter = 'd';

std::optional<Drive> DriveAtLetter(char letter);
// 0 when the drive is not in the list or lies beyond z:.
char LetterOfDrive(int driveId);

}  // namespace platform::cdrom::detail
