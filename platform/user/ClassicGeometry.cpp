#include "platform/user/ClassicGeometry.h"

#include "platform/user/WindowStyles.h"

namespace user::classic {

using namespace win;

RECT NonClientInsets(DWORD style, DWORD exStyle) {
    int frame = 0;
    if (style & WS_THICKFRAME)
        frame = kSizingFrame;
    else if (style & WS_DLGFRAME)
        frame = kFixedFrame;
    else if (style & WS_BORDER)
        frame = kBorder;
    if (exStyle & WS_EX_CLIENTEDGE) frame += kClientEdge;
    const int caption = (style & WS_CAPTION) == WS_CAPTION ? kCaptionHeight : 0;
    return RECT{frame, frame + caption, frame, frame};
}

}  // namespace user::classic
