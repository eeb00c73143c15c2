#include "platform/testing/Settings.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/Input.h"
#include "platform/user/SystemMetrics.h"

namespace testdriver {

void SetSystemColor(int index, win::COLORREF colour) { gdi::SetSysColor(index, colour); }
void SetBitsPerPixel(int bits) { gdi::SetBitsPerPixel(bits); }
void SetOsVersion(int major, int minor) {
    user::SetReportedVersion(static_cast<win::DWORD>(major), static_cast<win::DWORD>(minor));
}
void SetDpi(int dpi) { gdi::SetPixelsPerInch(dpi); }
void SetCursor(win::POINT screen) { win::SetCursorPos(screen.x, screen.y); }

void ResetSettings() {
    gdi::ResetSysColors();
    gdi::ResetDisplaySettings();
    user::ResetSystemSettings();
    win::SetCursorPos(0, 0);
}

}  // namespace testdriver
