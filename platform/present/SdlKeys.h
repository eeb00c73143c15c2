#pragma once
// Display key codes to virtual keys.

namespace present {

// 0 for a key the layer has no virtual key for.
int VirtualKeyFromSdl(int sdlKeycode);

}  // namespace present
