#pragma once
// Settings a test may inject. Every setter lasts until ResetSettings (or the end of a ScopedSettings).
#include "platform/user/Types.h"

namespace testdriver {

void SetSystemColor(int index, win::COLORREF colour);
void SetBitsPerPixel(int bits);           // 8, 16 or 32
void SetOsVersion(int major, int minor);  // 5.0 by default, 5.1 for the XP paths
void SetDpi(int dpi);                     // 96 or 120
void SetCursor(win::POINT screen);
void ResetSettings();

// Resets every injected setting when the scope ends.
class ScopedSettings {
  public:
    ScopedSettings() = default;
    ~ScopedSettings() { ResetSettings(); }
    ScopedSettings(const ScopedSettings&) = delete;
    ScopedSettings& operator=(const ScopedSettings&) = delete;
};

}  // namespace testdriver
