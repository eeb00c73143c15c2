#include "platform/framework/controls/GraphicControl.h"

#include "platform/user/Messages.h"

namespace framework {

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& message) {
    if (message.Msg == win::WM_PAINT) {
        const auto dc = reinterpret_cast<win::HDC>(message.WParam);
        if (!dc) return;
        canvas_.SetHandle(dc);
        canvas_.Font().Assign(Font());
        canvas_.Brush().SetColor(Color());
        canvas_.Brush().SetStyle(bsSolid);
        Paint();
        canvas_.SetHandle(nullptr);
        return;
    }
    TControl::WndProc(message);
}

}  // namespace framework
