#include "platform/framework/controls/StatusBar.h"

#include "platform/framework/controls/ClassicPainter.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

namespace framework {

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 200, 19); }

void TStatusBar::SetSimplePanel(bool simplePanel) {
    if (simplePanel == simplePanel_) return;
    simplePanel_ = simplePanel;
    Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& text) {
    if (text == simpleText_) return;
    simpleText_ = text;
    Invalidate();
}

void TStatusBar::SetSizeGrip(bool sizeGrip) {
    if (sizeGrip == sizeGrip_) return;
    sizeGrip_ = sizeGrip;
    Invalidate();
}

bool TStatusBar::ShowsSizeGrip() {
    if (!sizeGrip_ || !HandleAllocated()) return false;
    const auto top = win::GetAncestor(Handle(), win::GA_ROOT);
    return (win::GetWindowLong(top, win::GWL_STYLE) & win::WS_THICKFRAME) != 0;
}

void TStatusBar::Paint() {
    const win::HDC dc = Canvas().Handle();
    const win::RECT r = ClientRect();
    const bool grip = ShowsSizeGrip();
    Canvas().FillRect(r);
    win::RECT panel{r.left, r.top + 2, r.right - (grip ? 2 : 0), r.bottom};
    classic::StatusPanel(dc, panel);
    const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
    win::SetBkMode(dc, win::TRANSPARENT);
    win::SetTextColor(dc, gdi::ResolveColor(Font().Color()));
    win::RECT text{panel.left + 2, panel.top + 1, panel.right - 2, panel.bottom - 1};
    win::DrawText(dc, simpleText_.c_str(), -1, &text, DrawTextBiDiModeFlags(win::DT_SINGLELINE | win::DT_VCENTER));
    win::SelectObject(dc, old);
    if (grip) classic::SizeGrip(dc, r);
}

}  // namespace framework
