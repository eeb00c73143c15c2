#include "platform/framework/ShortCut.h"

#include "platform/framework/ControlTypes.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"

namespace framework {

TShortCut ShortCut(int virtualKey, unsigned shift) {
    TShortCut result = static_cast<TShortCut>(virtualKey & 0xFF);
    if (shift & ssShift) result |= scShift;
    if (shift & ssCtrl) result |= scCtrl;
    if (shift & ssAlt) result |= scAlt;
    return result;
}

namespace {

std::string KeyName(int key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
    if (key >= win::VK_F1 && key < win::VK_F1 + 24) return "F" + std::to_string(key - win::VK_F1 + 1);
    switch (key) {
        case win::VK_BACK:
            return "BkSp";
        case win::VK_TAB:
            return "Tab";
        case win::VK_RETURN:
            return "Enter";
        case win::VK_ESCAPE:
            return "Esc";
        case win::VK_SPACE:
            return "Space";
        case win::VK_PRIOR:
            return "PgUp";
        case win::VK_NEXT:
            return "PgDn";
        case win::VK_END:
            return "End";
        case win::VK_HOME:
            return "Home";
        case win::VK_LEFT:
            return "Left";
        case win::VK_UP:
            return "Up";
        case win::VK_RIGHT:
            return "Right";
        case win::VK_DOWN:
            return "Down";
        case win::VK_DELETE:
            return "Del";
        default:
            return {};
    }
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
    const std::string name = KeyName(shortCut & 0xFF);
    if (name.empty()) return {};
    std::string text;
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    return text + name;
}

TShortCut ShortCutFromKey(int virtualKey) { return ShortCut(virtualKey, CurrentShiftState()); }

TShiftState CurrentShiftState() {
    TShiftState shift = 0;
    if (win::GetKeyState(win::VK_SHIFT) & 0x8000) shift |= ssShift;
    if (win::GetKeyState(win::VK_CONTROL) & 0x8000) shift |= ssCtrl;
    if (win::GetKeyState(win::VK_MENU) & 0x8000) shift |= ssAlt;
    if (win::GetKeyState(win::VK_LBUTTON) & 0x8000) shift |= ssLeft;
    if (win::GetKeyState(win::VK_RBUTTON) & 0x8000) shift |= ssRight;
    return shift;
}

}  // namespace framework
