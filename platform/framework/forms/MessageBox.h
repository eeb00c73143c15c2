#pragma once
// Message boxes: a modal dialog with a text, an icon and a standard set of buttons. Tests answer them through a
// responder instead of a user.
#include <functional>
#include <string>

#include "platform/user/Types.h"

namespace win {

inline constexpr UINT MB_OK = 0x00000000;
inline constexpr UINT MB_OKCANCEL = 0x00000001;
inline constexpr UINT MB_YESNOCANCEL = 0x00000003;
inline constexpr UINT MB_YESNO = 0x00000004;
inline constexpr UINT MB_ICONHAND = 0x00000010;
inline constexpr UINT MB_ICONERROR = MB_ICONHAND;
inline constexpr UINT MB_ICONSTOP = MB_ICONHAND;
inline constexpr UINT MB_ICONQUESTION = 0x00000020;
inline constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
inline constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr UINT MB_ICONINFORMATION = 0x00000040;
inline constexpr UINT MB_ICONASTERISK = MB_ICONINFORMATION;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Runs the box modally over owner's form and returns the id of the button pressed.
int MessageBox(HWND owner, const char* text, const char* caption, UINT type);

}  // namespace win

namespace framework {

// Given a box's text, caption and type, the id of the button to press. The box is shown, and the answer pressed
// from inside its modal loop.
using TMessageBoxResponder = std::function<int(const std::string& text, const std::string& caption, win::UINT type)>;
// Installs the responder (an empty one: boxes wait for the user) and returns the previous one.
TMessageBoxResponder SetMessageBoxResponder(TMessageBoxResponder responder);

}  // namespace framework
