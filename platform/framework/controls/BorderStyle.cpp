#include "platform/framework/controls/BorderStyle.h"

#include "platform/user/WindowStyles.h"

namespace framework {

void AddBorderStyle(TCreateParams& params, TBorderStyle style, bool ctl3D) {
    if (style != bsSingle) return;
    if (ctl3D) {
        params.exStyle |= win::WS_EX_CLIENTEDGE;
    } else {
        params.style |= win::WS_BORDER;
    }
}

}  // namespace framework
