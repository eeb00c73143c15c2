#pragma once
// The flat paint of each kind of restyled control, drawn over what the control painted itself (a speed button's
// instead of it): thin frames in colours from the control, its parent and the owning flat look's working colours,
// a hot look while the mouse is inside or the focus is there, and a pressed look. Each routine creates and frees
// its own canvas, device context and bitmaps, also when drawing fails; the failure travels on to the caller.
namespace components {

class TControlSubClass;

void PaintCombo(TControlSubClass& restyler);
void PaintLookupCombo(TControlSubClass& restyler);
void PaintEdit(TControlSubClass& restyler);
void PaintCheckBox(TControlSubClass& restyler);
void PaintRadioButton(TControlSubClass& restyler);
void PaintButton(TControlSubClass& restyler);
void PaintBitButton(TControlSubClass& restyler);
void PaintSpeedButton(TControlSubClass& restyler);
// The arrow pair of a number edit: each arrow a flat push button.
void PaintUpDown(TControlSubClass& restyler);
// Panels and group boxes draw only in answer to WM_PAINT.
void PaintPanel(TControlSubClass& restyler);
void PaintGroupBox(TControlSubClass& restyler);
// List views: the border, on the window.
void PaintBorder(TControlSubClass& restyler);
void PaintProgressBar(TControlSubClass& restyler);

}  // namespace components
