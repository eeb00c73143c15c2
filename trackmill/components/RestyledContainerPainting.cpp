// Panels and group boxes: flat bevels in shades of their own colour, drawn only when the control paints itself.
#include "platform/framework/controls/ControlCanvas.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/Panel.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/Messages.h"
#include "trackmill/components/ColorRoutines.h"
#include "trackmill/components/ControlSubClass.h"
#include "trackmill/components/RestyledCanvas.h"
#include "trackmill/components/RestyledPainting.h"

namespace components {

using framework::TCanvas;
using framework::TColor;

namespace {

void PanelBevel(TCanvas& canvas, win::RECT& r, framework::TBevelCut cut, TColor dark, TColor light, int width) {
    if (cut == framework::bvNone) return;
    const bool lowered = cut == framework::bvLowered;
    gdi::Bevel(canvas.Handle(), r, gdi::ResolveColor(lowered ? dark : light), gdi::ResolveColor(lowered ? light : dark),
               width);
}

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color) {
    canvas.Pen().SetColor(color);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

}  // namespace

void PaintPanel(TControlSubClass& restyler) {
    if (restyler.LastMessage != win::WM_PAINT) return;
    auto& panel = dynamic_cast<framework::TCustomPanel&>(*restyler.Control);
    const TColor dark = DarkenColor(panel.Color(), 60);
    const TColor light = LightenColor(panel.Color(), 60);
    framework::TControlCanvas canvas(panel);
    win::RECT r = panel.ClientRect();
    PanelBevel(canvas, r, panel.BevelOuter(), dark, light, panel.BevelWidth());
    if (panel.BevelInner() == framework::bvNone) return;
    Shrink(r, panel.BorderWidth(), panel.BorderWidth());
    PanelBevel(canvas, r, panel.BevelInner(), dark, light, panel.BevelWidth());
}

void PaintGroupBox(TControlSubClass& restyler) {
    if (restyler.LastMessage != win::WM_PAINT) return;
    auto& box = dynamic_cast<framework::TGroupBox&>(*restyler.Control);
    const TColor own = box.Color();
    const TColor dark = DarkenColor(own, 60);
    const TColor light = LightenColor(own, 60);
    framework::TControlCanvas canvas(box);
    canvas.Font().Assign(box.Font());
    const std::string caption = box.Caption().empty() ? std::string(" ") : box.Caption();
    const int th = canvas.TextHeight(caption);
    const int tw = canvas.TextWidth(caption);
    const int h = th / 2;
    const win::RECT client = box.ClientRect();

    // The frame the control drew, gone under its own colour.
    win::RECT r = client;
    Shrink(r, 1, 1);
    r.top += th - 1;
    canvas.Brush().SetStyle(framework::bsClear);
    canvas.Pen().SetColor(own);
    canvas.Rectangle(r);

    r = client;
    r.top += h - 1;
    Line(canvas, r.left + 1, r.top, r.left + 1, r.bottom, own);
    gdi::Bevel(canvas.Handle(), r, gdi::ResolveColor(box.Ctl3D() ? light : dark), gdi::ResolveColor(dark), 1);

    r = client;
    r.bottom = r.top + h + 1;
    canvas.Brush().SetStyle(framework::bsSolid);
    canvas.Brush().SetColor(ParentBrushColor(box));
    canvas.FillRect(r);

    win::RECT c{};
    if (box.UseRightToLeftReading()) {
        c.right = r.right - 9;
        c.left = c.right - tw;
    } else {
        c.left = r.left + 9;
        c.right = c.left + tw;
    }
    c.top = r.top;
    c.bottom = r.top + th;

    Shrink(r, 1, 0);
    r.top = r.bottom;
    r.bottom = r.top + h + 1;
    r.left = c.left;
    r.right = c.right;
    canvas.Brush().SetColor(own);
    canvas.FillRect(r);
    Line(canvas, client.right - 2, r.top, client.right - 2, c.bottom, own);

    canvas.Brush().SetStyle(framework::bsClear);
    canvas.TextOut(c.left, c.top, box.Caption());

    const int y = client.top + h + 1;
    const TColor top = box.Ctl3D() ? light : dark;
    Line(canvas, client.left, y, c.left, y, top);
    Line(canvas, c.right, y, client.right - 1, y, top);
}

}  // namespace components
