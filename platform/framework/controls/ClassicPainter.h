#pragma once
// The classic 3-D look of the standard controls, in one place: one paint function per control kind, taking the
// DC, the rectangle and the state. Colours come from the system colour table when painting. Controls own
// behaviour; this owns pixels.
#include <string>

#include "platform/gdi/Types.h"

namespace framework::classic {

struct State {
    bool pressed = false;
    bool hot = false;
    bool checked = false;
    bool grayed = false;
    bool enabled = true;
    bool focused = false;
    bool isDefault = false;
};

enum class Bevel { None, Lowered, Raised, Space };
enum class Arrow { Up, Down, Left, Right };
enum class MessageIcon { None, Information, Error, Question, Warning };

void FillSolid(win::HDC dc, const win::RECT& r, win::COLORREF colour);
void Line(win::HDC dc, int x1, int y1, int x2, int y2, win::COLORREF colour);
// Rings of width 1: top-left in one colour, bottom-right in the other; r shrinks by `width`.
void Frame3D(win::HDC dc, win::RECT& r, win::COLORREF topLeft, win::COLORREF bottomRight, int width);
void FocusRect(win::HDC dc, const win::RECT& r);

// Push button face and edges (default frame, pressed look, focus rectangle); the caption is drawn by the caller.
void PushButton(win::HDC dc, const win::RECT& r, const State& state);
// Text in the button colour, or embossed grey when disabled; "&" marks the accelerator.
void ButtonText(win::HDC dc, const std::string& text, win::RECT r, win::UINT format, bool enabled);
void CheckBox(win::HDC dc, const win::RECT& box, const State& state);
void RadioButton(win::HDC dc, const win::RECT& box, const State& state);
void PanelBevel(win::HDC dc, win::RECT& r, Bevel bevel, int width);
// The etched frame of a group box, its top line at textHeight / 2, interrupted for the caption [gapLeft, gapRight).
void GroupFrame(win::HDC dc, const win::RECT& r, int textHeight, int gapLeft, int gapRight);
void ProgressBar(win::HDC dc, const win::RECT& r, int filledRight);
void ScrollButton(win::HDC dc, const win::RECT& r, Arrow arrow, const State& state);
void TrackBar(win::HDC dc, const win::RECT& r, int minimum, int maximum, int position, int frequency, bool focused);
void StatusPanel(win::HDC dc, const win::RECT& r);
void SizeGrip(win::HDC dc, const win::RECT& r);
void HeaderSection(win::HDC dc, const win::RECT& r, bool pressed);
void Tab(win::HDC dc, const win::RECT& r, bool selected);
void TabPageFrame(win::HDC dc, const win::RECT& r);
void Icon(win::HDC dc, int x, int y, MessageIcon icon);
// A small check mark for check boxes of list views and menus, inside box.
void CheckMark(win::HDC dc, const win::RECT& box, win::COLORREF colour);

}  // namespace framework::classic
