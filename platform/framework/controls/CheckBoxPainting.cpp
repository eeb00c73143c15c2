#include "platform/framework/controls/CheckBoxPainting.h"

#include "platform/framework/controls/ClassicPainter.h"
#include "platform/framework/controls/Control.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/user/ClassicGeometry.h"

namespace framework {

CheckBoxLayout LayOutCheckBox(const TControl& control, bool captionRight) {
    const win::RECT client = control.ClientRect();
    const bool boxLeft = captionRight != control.UseRightToLeftAlignment();
    const user::classic::Geometry& g = user::classic::Current();
    const int size = g.checkBoxSize;
    const int top = (client.bottom - size) / 2;
    CheckBoxLayout layout;
    if (boxLeft) {
        layout.box = win::RECT{0, top, size, top + size};
        layout.text = win::RECT{size + g.checkBoxCaptionGap, 0, client.right, client.bottom};
    } else {
        layout.box = win::RECT{client.right - size, top, client.right, top + size};
        layout.text = win::RECT{0, 0, client.right - size - g.checkBoxCaptionGap, client.bottom};
    }
    return layout;
}

void DrawCheckBoxCaption(TCanvas& canvas, const TControl& control, const win::RECT& text, bool focused) {
    const win::HDC dc = canvas.Handle();
    const win::HGDIOBJ old = win::SelectObject(dc, control.Font().Handle());
    const win::UINT format = control.DrawTextBiDiModeFlags(win::DT_SINGLELINE | win::DT_VCENTER);
    classic::ButtonText(dc, control.Caption(), text, format, control.Enabled());
    if (focused && !control.Caption().empty()) {
        win::RECT measured = text;
        win::DrawText(dc, control.Caption().c_str(), -1, &measured, format | win::DT_CALCRECT);
        const int height = measured.bottom - measured.top;
        const int top = (text.top + text.bottom - height) / 2;
        int left = measured.left;
        if (format & win::DT_RIGHT) left = text.right - (measured.right - measured.left);
        classic::FocusRect(dc,
                           win::RECT{left - 1, top - 1, left + (measured.right - measured.left) + 1, top + height + 1});
    }
    win::SelectObject(dc, old);
}

}  // namespace framework
