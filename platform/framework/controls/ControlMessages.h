#pragma once
// The framework's own notifications, sent to controls through their WindowProc. The numbers are fixed: code that
// hooks a control's WindowProc reacts to them.
#include "platform/user/Types.h"

namespace framework {

inline constexpr win::UINT CM_BASE = 0xB000;
// A character that may be a control's mnemonic (WParam); the control it belongs to acts and answers non-zero.
inline constexpr win::UINT CM_DIALOGCHAR = CM_BASE + 6;
inline constexpr win::UINT CM_FOCUSCHANGED = CM_BASE + 7;  // LParam: the control now focused
inline constexpr win::UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
inline constexpr win::UINT CM_ENABLEDCHANGED = CM_BASE + 12;  // WParam: 0 when now disabled
inline constexpr win::UINT CM_COLORCHANGED = CM_BASE + 14;
inline constexpr win::UINT CM_FONTCHANGED = CM_BASE + 15;
inline constexpr win::UINT CM_CTL3DCHANGED = CM_BASE + 16;
inline constexpr win::UINT CM_PARENTCTL3DCHANGED = CM_BASE + 17;
inline constexpr win::UINT CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr win::UINT CM_MOUSEENTER = CM_BASE + 19;
inline constexpr win::UINT CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr win::UINT CM_VISIBLECHANGED = CM_BASE + 22;
inline constexpr win::UINT CM_ENTER = CM_BASE + 26;
inline constexpr win::UINT CM_EXIT = CM_BASE + 27;
inline constexpr win::UINT CM_INVALIDATE = CM_BASE + 52;
// Enter or Escape for the form's default or cancel button; a control that took it answers non-zero.
inline constexpr win::UINT CM_DIALOGKEY = CM_BASE + 0x100;
// Control notifications reflected back to the control that raised them.
inline constexpr win::UINT CN_BASE = 0xBC00;

// Posted to the application window once a form's layout is built, before it is first painted.
inline constexpr win::UINT CM_FORMLOADED = CM_BASE + 0x200;

}  // namespace framework
