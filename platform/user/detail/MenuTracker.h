#pragma once
// The menu tracking loop.
#include "platform/user/Types.h"

namespace user::detail {

using namespace win;

// How a bar item was opened: by the mouse (its menu drops), by F10 or Alt (only the bar is selected) or by its
// mnemonic (its menu drops with the first item selected).
enum class BarEntry { Dropped, Selected, Mnemonic };

// Opens the bar item under a screen point of hwnd's menu bar and tracks it; a chosen item posts WM_COMMAND.
void TrackMenuBar(HWND hwnd, POINT screen);
void TrackMenuBarItem(HWND hwnd, int index, BarEntry entry);
// The keyboard's way into the menu bar of the window that holds hwnd: character 0 (F10, a lone Alt) selects the
// first bar item; a mnemonic character opens the item it belongs to, and does nothing when none has it.
void TrackMenuBarKey(HWND hwnd, char32_t character);

}  // namespace user::detail
