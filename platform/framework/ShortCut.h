#pragma once
// Keyboard shortcuts: a virtual key with modifier bits, and their display text ("Ctrl+O", "F1").
#include <cstdint>
#include <string>

namespace framework {

using TShortCut = std::uint16_t;

inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

TShortCut ShortCut(int virtualKey, unsigned shift);
std::string ShortCutToText(TShortCut shortCut);
// The shortcut of a key going down now, with the modifiers that are held.
TShortCut ShortCutFromKey(int virtualKey);

}  // namespace framework
