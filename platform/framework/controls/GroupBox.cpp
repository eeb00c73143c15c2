#include "platform/framework/controls/GroupBox.h"

#include "platform/framework/controls/ClassicPainter.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"

namespace framework {

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
    SetParentColor(true);
    SetBounds(0, 0, 185, 105);
}

void TGroupBox::Paint() {
    const win::HDC dc = Canvas().Handle();
    const win::RECT r = ClientRect();
    Canvas().FillRect(r);
    const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
    const std::string text = Caption().empty() ? std::string(" ") : Caption();
    win::SIZE size;
    win::GetTextExtentPoint32(dc, text.c_str(), -1, &size);
    int gapLeft = 0;
    int gapRight = 0;
    if (!Caption().empty()) {
        gapLeft = UseRightToLeftAlignment() ? r.right - 8 - size.cx - 2 : 6;
        gapRight = gapLeft + size.cx + 4;
    }
    if (Ctl3D()) {
        classic::GroupFrame(dc, r, size.cy, gapLeft, gapRight);
    } else {
        win::RECT frame{r.left, r.top + size.cy / 2, r.right, r.bottom};
        gdi::Bevel(dc, frame, win::GetSysColor(win::COLOR_WINDOWFRAME), win::GetSysColor(win::COLOR_WINDOWFRAME), 1);
        if (gapRight > gapLeft)
            gdi::FillSolid(dc, win::RECT{gapLeft, r.top, gapRight, r.top + size.cy}, gdi::ResolveColor(Color()));
    }
    if (!Caption().empty()) {
        win::RECT caption{gapLeft + 2, r.top, gapRight - 2, r.top + size.cy};
        if (Enabled()) {
            win::SetBkMode(dc, win::TRANSPARENT);
            win::SetTextColor(dc, gdi::ResolveColor(Font().Color()));
            win::DrawText(dc, Caption().c_str(), -1, &caption, DrawTextBiDiModeFlags(win::DT_SINGLELINE));
        } else {
            classic::ButtonText(dc, Caption(), caption, win::DT_SINGLELINE, false);
        }
    }
    win::SelectObject(dc, old);
}

}  // namespace framework
