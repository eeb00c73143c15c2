#include "platform/present/SdlKeys.h"

#include <SDL.h>

#include "platform/user/Messages.h"

namespace present {

int VirtualKeyFromSdl(int key) {
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F10) return win::VK_F1 + (key - SDLK_F1);
    switch (key) {
        case SDLK_SPACE:
            return win::VK_SPACE;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return win::VK_RETURN;
        case SDLK_ESCAPE:
            return win::VK_ESCAPE;
        case SDLK_BACKSPACE:
            return win::VK_BACK;
        case SDLK_TAB:
            return win::VK_TAB;
        case SDLK_LEFT:
            return win::VK_LEFT;
        case SDLK_RIGHT:
            return win::VK_RIGHT;
        case SDLK_UP:
            return win::VK_UP;
        case SDLK_DOWN:
            return win::VK_DOWN;
        case SDLK_HOME:
            return win::VK_HOME;
        case SDLK_END:
            return win::VK_END;
        case SDLK_PAGEUP:
            return win::VK_PRIOR;
        case SDLK_PAGEDOWN:
            return win::VK_NEXT;
        case SDLK_INSERT:
            return win::VK_INSERT;
        case SDLK_DELETE:
            return win::VK_DELETE;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
            return win::VK_SHIFT;
        case SDLK_LCTRL:
        case SDLK_RCTRL:
            return win::VK_CONTROL;
        case SDLK_LALT:
        case SDLK_RALT:
            return win::VK_MENU;
        default:
            return 0;
    }
}

}  // namespace present
